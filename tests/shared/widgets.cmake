# The shared windows with real widgets on the offscreen platform.
corvale_add_test(shared_widget_tests SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/info_form_freeware_test.cpp
    LIBS shared_widgets Qt6::Test)
