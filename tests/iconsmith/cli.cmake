# iconsmith-cli: its command-line parsing, and the real program run on copies of a sample site.
corvale_add_test(iconsmith_cli_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/cli_options_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/cli_run_test.cpp
    LIBS iconsmith_cli_parts iconsmith_icons)
add_dependencies(iconsmith_cli_tests iconsmith-cli)
target_compile_definitions(iconsmith_cli_tests PRIVATE
    ICONSMITH_CLI_PATH="$<TARGET_FILE:iconsmith-cli>"
    SAMPLE_SITE_DIR="${CMAKE_CURRENT_LIST_DIR}/sample_site")
