# Module1 text engine: operator masking, tag splitting, page rewriter.
corvale_add_test(iconsmith_rewriter_tests
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/operator_masking_test.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/tag_splitting_test.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/page_rewriter_test.cpp
    LIBS iconsmith_rewriter)
