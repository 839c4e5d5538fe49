# Live monitoring core: the status frame decoder.
motiview_unit_test(monitor_status_frame_test
                   ${CMAKE_CURRENT_SOURCE_DIR}/monitor_status_frame_test.cpp)
