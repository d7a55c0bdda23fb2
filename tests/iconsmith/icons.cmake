# The icon collection: structure of every icon, Qt's reader, determinism of the generator, and
# the committed pictures that come from the same generator.
corvale_add_test(iconsmith_icons_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/icon_collection_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/ico_format_test.cpp
    LIBS iconsmith_icons Qt6::Gui)
target_compile_definitions(iconsmith_icons_tests PRIVATE
    ICON_GENERATOR="$<TARGET_FILE:iconsmith_icon_generator>"
    SOURCE_ROOT="${PROJECT_SOURCE_DIR}")
add_dependencies(iconsmith_icons_tests iconsmith_icon_generator)
