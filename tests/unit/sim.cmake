# The controller simulator's pieces in-process; the parameter-set workflows against its
# controller on a byte-level noisy line; the parameter file saved from its start blocks.
set(motiview_sim_sources
  sim_recognizer_test.cpp sim_blocks_test.cpp sim_status_test.cpp sim_options_test.cpp
  sim_faults_test.cpp sim_controller_test.cpp jobs_noisy_line_test.cpp params_test.cpp)
motiview_require_sources(sim_unit_test ${motiview_sim_sources})
add_executable(sim_unit_test ${motiview_sim_sources})
add_dependencies(motiview_unit_tests sim_unit_test)
target_link_libraries(sim_unit_test PRIVATE motiview_sim_core motiview_jobs motiview_params
                                            motiview_case_names motiview_test_build
                                            GTest::gtest_main)
target_precompile_headers(sim_unit_test PRIVATE ${motiview_test_pch})
gtest_discover_tests(sim_unit_test NO_PRETTY_VALUES PROPERTIES LABELS unit TIMEOUT 60)

# The built simulator on a pseudo-terminal.
add_executable(sim_process_test sim_process_test.cpp)
target_link_libraries(sim_process_test PRIVATE motiview_link motiview_test_build GTest::gtest_main)
target_compile_definitions(sim_process_test PRIVATE
  MOTIVIEW_SIM_BINARY="$<TARGET_FILE:motiview-sim>")
add_dependencies(sim_process_test motiview-sim)
gtest_discover_tests(sim_process_test NO_PRETTY_VALUES
                     PROPERTIES LABELS unit RESOURCE_LOCK pty TIMEOUT 60 COST 100)
