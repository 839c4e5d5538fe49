# Codec cases of the Torque PID, Mode set, Other, Flux weaken, Derate and Hardware pages.
motiview_unit_test(pages_tables2_test pages_tables2_codec_test.cpp pages_tables2_decode_test.cpp
                   pages_tables2_support.cpp)
