# The window's service history and jobs, without a controller.
motiview_widget_test(service_log_test ${CMAKE_CURRENT_SOURCE_DIR}/service_log_test.cpp)
