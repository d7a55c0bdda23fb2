# RewritePage throughput on realistic pages (20 KB, 1 MB, 10 MB), beside a plain copy of the buffer.
add_executable(bench_rewriter ${CMAKE_CURRENT_SOURCE_DIR}/rewriter_bench.cpp)
target_link_libraries(bench_rewriter PRIVATE iconsmith_rewriter benchmark::benchmark)
