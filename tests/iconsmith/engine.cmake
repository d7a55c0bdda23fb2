# Iconsmith engine: page list model, folder walk and list fill, batch run.
corvale_add_test(iconsmith_engine_tests SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/page_list_model_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/web_file_scanner_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/batch_run_test.cpp
    LIBS iconsmith_engine Qt6::Test)
