# Live monitoring core: samples and events for the plots, the recorder, the traffic log.
motiview_unit_test(monitor_samples_test ${CMAKE_CURRENT_SOURCE_DIR}/monitor_samples_test.cpp)
motiview_unit_test(monitor_recorder_test ${CMAKE_CURRENT_SOURCE_DIR}/monitor_recorder_test.cpp)
motiview_unit_test(link_traffic_test ${CMAKE_CURRENT_SOURCE_DIR}/link_traffic_test.cpp)
