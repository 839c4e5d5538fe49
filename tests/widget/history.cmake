# The service history window.
motiview_widget_test(history_window_test ${CMAKE_CURRENT_SOURCE_DIR}/history_window_test.cpp)
