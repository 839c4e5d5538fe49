# The generic parameter page window, over every page table.
motiview_widget_test(pages_window_test ${CMAKE_CURRENT_SOURCE_DIR}/pages_window_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages_hardware_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages_edit_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages_test_support.h)

# Saves a picture of every page window into docs/; run by hand, not a test.
add_executable(page_shots ${CMAKE_CURRENT_SOURCE_DIR}/page_shots.cpp)
target_link_libraries(page_shots PRIVATE motiview_test_support motiview_test_warnings)
target_compile_definitions(page_shots PRIVATE
  MOTIVIEW_DOCS_DIR="${PROJECT_SOURCE_DIR}/docs")

# Parameter sets from the File menu, against the simulator's controller logic.
motiview_widget_test(parameter_sets_test ${CMAKE_CURRENT_SOURCE_DIR}/parameter_sets_test.cpp)
target_link_libraries(parameter_sets_test PRIVATE motiview_sim_core motiview_params)
