# The Iconsmith window offscreen: a 100,000-page fill, a header-click sort, select all + take
# over as ticks, opening the icon picker.
add_executable(bench_window ${CMAKE_CURRENT_SOURCE_DIR}/window_bench.cpp)
target_link_libraries(bench_window PRIVATE iconsmith_window Qt6::Test benchmark::benchmark)
