# The window's service history and jobs, without a controller.
motiview_widget_test(service_log_test ${CMAKE_CURRENT_SOURCE_DIR}/service_log_test.cpp)
# The service history, the job dialogs, the service menu items and the report in each language.
motiview_widget_test(language_service_test ${CMAKE_CURRENT_SOURCE_DIR}/language_service_test.cpp)
