# The codec on the later pages (Torque PID, Mode set, Other, Flux weaken, Derate, Hardware): the
# write frames typed texts give, what replies show, and each page's registry facts.
motiview_unit_test(pages_later_test pages_later_write_test.cpp pages_later_reply_test.cpp
                   pages_later_support.cpp pages_later_support.h)
