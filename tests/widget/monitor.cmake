# The status and fault panels on the offscreen platform.
motiview_widget_test(monitor_panel_test ${CMAKE_CURRENT_SOURCE_DIR}/monitor_panel_test.cpp)

# frmMain: load sequence, polling by hand, receive dispatch, hall tests, menus, shutdown.
motiview_widget_test(main_window_test ${CMAKE_CURRENT_SOURCE_DIR}/main_window_test.cpp)

# The window in German and Chinese, and back to English.
motiview_widget_test(language_test ${CMAKE_CURRENT_SOURCE_DIR}/language_test.cpp)
