# Controller link windows on the offscreen platform, with the fake transport.
motiview_widget_test(link_widget_test ${CMAKE_CURRENT_SOURCE_DIR}/link_dialog_test.cpp
                     ${CMAKE_CURRENT_SOURCE_DIR}/link_hall_window_test.cpp)

# The real serial wrapper on pseudo-terminals: its own executable, since the tests share the
# pty resource lock.
add_executable(link_serial_test ${CMAKE_CURRENT_SOURCE_DIR}/link_serial_test.cpp
                                ${CMAKE_CURRENT_SOURCE_DIR}/qt_test_main.cpp)
# Qt Widgets only for the shared test main's QApplication.
target_link_libraries(link_serial_test PRIVATE motiview_link_qt Qt6::Widgets Qt6::Test GTest::gtest
                                               motiview_test_build)
gtest_discover_tests(link_serial_test NO_PRETTY_VALUES
                     PROPERTIES LABELS widget RESOURCE_LOCK pty TIMEOUT 60 COST 100
                     ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# The first minute: --port, remembered settings, the panels' data notice, a plugged-in adapter.
motiview_widget_test(first_minute_test ${CMAKE_CURRENT_SOURCE_DIR}/first_minute_test.cpp)
