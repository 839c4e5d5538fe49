# The controller simulator: its pieces in-process, and the built binary on a pseudo-terminal.
add_executable(sim_unit_test sim_recognizer_test.cpp sim_blocks_test.cpp sim_status_test.cpp
                             sim_options_test.cpp sim_faults_test.cpp sim_controller_test.cpp)
target_link_libraries(sim_unit_test PRIVATE motiview_sim_core motiview_case_names motiview_warnings
                                            GTest::gtest_main)
gtest_discover_tests(sim_unit_test NO_PRETTY_VALUES PROPERTIES LABELS unit TIMEOUT 60)

add_executable(sim_process_test sim_process_test.cpp)
target_link_libraries(sim_process_test PRIVATE motiview_link motiview_warnings GTest::gtest_main)
target_compile_definitions(sim_process_test PRIVATE
  MOTIVIEW_SIM_BINARY="$<TARGET_FILE:motiview-sim>")
add_dependencies(sim_process_test motiview-sim)
gtest_discover_tests(sim_process_test NO_PRETTY_VALUES
                     PROPERTIES LABELS unit RESOURCE_LOCK pty TIMEOUT 60)

# The parameter-set workflows against the simulator's controller on a byte-level noisy line.
motiview_require_sources(jobs_noisy_line_test jobs_noisy_line_test.cpp)
add_executable(jobs_noisy_line_test jobs_noisy_line_test.cpp)
target_link_libraries(jobs_noisy_line_test PRIVATE motiview_sim_core motiview_jobs
                                                   motiview_case_names motiview_test_warnings
                                                   GTest::gtest_main)
gtest_discover_tests(jobs_noisy_line_test NO_PRETTY_VALUES PROPERTIES LABELS unit TIMEOUT 60)
