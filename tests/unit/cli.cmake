# The command-line tool: its text helpers in-process, and the built binary as a process.
motiview_unit_test(cli_test cli_text_test.cpp cli_process_test.cpp)
target_link_libraries(cli_test PRIVATE motiview_cli_core)
target_compile_definitions(cli_test PRIVATE MOTIVIEW_CLI_PATH="$<TARGET_FILE:motiview-cli>")
add_dependencies(cli_test motiview-cli)
