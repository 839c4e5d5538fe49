# Live monitoring core: the status frame decoder.
motiview_unit_test(monitor_status_frame_test
                   ${CMAKE_CURRENT_SOURCE_DIR}/monitor_status_frame_test.cpp)
motiview_unit_test(recording_file_test ${CMAKE_CURRENT_SOURCE_DIR}/recording_file_test.cpp)
