# iconsmith-cli: its command-line parsing, and the real program run on sites in temporary folders.
corvale_add_test(iconsmith_cli_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/cli_options_test.cpp
    LIBS iconsmith_cli_parts)
