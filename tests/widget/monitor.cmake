# The status and fault panels on the offscreen platform.
motiview_widget_test(monitor_panel_test ${CMAKE_CURRENT_SOURCE_DIR}/monitor_panel_test.cpp)

# Saves a picture of the panels with one active fault; run by hand, not a test.
add_executable(monitor_shot ${CMAKE_CURRENT_SOURCE_DIR}/monitor_shot.cpp)
target_link_libraries(monitor_shot PRIVATE motiview_test_support motiview_test_warnings)

# frmMain: load sequence, polling by hand, receive dispatch, hall tests, menus, shutdown.
motiview_widget_test(main_window_test ${CMAKE_CURRENT_SOURCE_DIR}/main_window_test.cpp)
