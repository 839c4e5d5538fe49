# The command-line tool: its text helpers in-process, and the built binary as a process.
motiview_require_sources(cli_test cli_text_test.cpp cli_process_test.cpp)
add_executable(cli_test cli_text_test.cpp cli_process_test.cpp)
add_dependencies(motiview_unit_tests cli_test)
target_link_libraries(cli_test PRIVATE motiview_cli_core motiview_case_names motiview_test_build
                                       GTest::gtest_main)
target_precompile_headers(cli_test PRIVATE ${motiview_test_pch})
gtest_discover_tests(cli_test NO_PRETTY_VALUES PROPERTIES LABELS unit TIMEOUT 60)
target_compile_definitions(cli_test PRIVATE MOTIVIEW_CLI_PATH="$<TARGET_FILE:motiview-cli>")
add_dependencies(cli_test motiview-cli)
