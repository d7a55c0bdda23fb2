# Filling the page list from a large tree, against `find -type f` on the same tree.
add_executable(bench_scan ${CMAKE_CURRENT_SOURCE_DIR}/scan_bench.cpp)
target_link_libraries(bench_scan PRIVATE iconsmith_engine shared_platform benchmark::benchmark)
