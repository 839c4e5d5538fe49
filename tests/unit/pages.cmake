# Parameter page codec and tables.
motiview_unit_test(pages_codec_test pages_codec_test.cpp pages_test_support.h)
motiview_unit_test(pages_kinds_test pages_kinds_test.cpp pages_test_support.h)
# Over all eleven page tables.
motiview_unit_test(pages_interface_test pages_interface_test.cpp pages_test_support.h)
motiview_unit_test(pages_preview_test pages_preview_test.cpp)
