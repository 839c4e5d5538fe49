# Controller link core: frames, receive path, supervision.
motiview_unit_test(link_core_test ${CMAKE_CURRENT_SOURCE_DIR}/link_frames_test.cpp
                   ${CMAKE_CURRENT_SOURCE_DIR}/link_receiver_test.cpp
                   ${CMAKE_CURRENT_SOURCE_DIR}/link_supervisor_test.cpp)
