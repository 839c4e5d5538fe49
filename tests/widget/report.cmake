# The service report drawn (PDF, HTML, JSON).
motiview_widget_test(report_test ${CMAKE_CURRENT_LIST_DIR}/report_test.cpp)
# The suites' executable is made after this file is read; the drawing is linked to it then.
cmake_language(DEFER CALL target_link_libraries widget_test PRIVATE motiview_report_qt)
