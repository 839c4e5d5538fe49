# Live plots, traffic monitor and recorder on the offscreen platform. They need no transport:
# the tests feed the sample store, the traffic log and the recorder as the main window does.
function(motiview_live_widget_test name)
  motiview_require_sources(${name} ${ARGN})
  add_executable(${name} ${ARGN} ${CMAKE_CURRENT_SOURCE_DIR}/qt_test_main.cpp)
  target_link_libraries(${name} PRIVATE motiview_ui motiview_qcustomplot motiview_case_names
                                        Qt6::Test GTest::gtest motiview_test_warnings)
  gtest_discover_tests(${name} NO_PRETTY_VALUES PROPERTIES LABELS widget TIMEOUT 120
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
endfunction()
motiview_live_widget_test(live_plot_test ${CMAKE_CURRENT_SOURCE_DIR}/live_plot_test.cpp)
motiview_live_widget_test(live_traffic_test ${CMAKE_CURRENT_SOURCE_DIR}/live_traffic_test.cpp
                          ${CMAKE_CURRENT_SOURCE_DIR}/live_recorder_test.cpp)

# The same tools inside the main window, fed by its receive path.
motiview_widget_test(live_tools_test ${CMAKE_CURRENT_SOURCE_DIR}/live_tools_test.cpp)
