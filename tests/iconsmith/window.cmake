# Iconsmith's windows with real widgets on the offscreen platform.
corvale_add_test(iconsmith_window_tests SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/form1_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/sel_icon_dialog_test.cpp
    LIBS iconsmith_window Qt6::Test)
