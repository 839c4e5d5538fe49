# The generic parameter page window, over every page table.
motiview_widget_test(pages_window_test ${CMAKE_CURRENT_SOURCE_DIR}/pages_window_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages_hardware_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages_edit_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages_test_support.h)

# Parameter sets from the File menu, against the simulator's controller logic.
motiview_widget_test(parameter_sets_test ${CMAKE_CURRENT_SOURCE_DIR}/parameter_sets_test.cpp)

# The parameter sets' windows and dialogs in German and Chinese, and English again after them.
motiview_widget_test(language_sets_test ${CMAKE_CURRENT_SOURCE_DIR}/language_sets_test.cpp)
