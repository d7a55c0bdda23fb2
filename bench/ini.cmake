# ReadIniValue over an unchanged 1 MB INI file (60,000 reads one by one) and the cost of one write.
add_executable(bench_ini ${CMAKE_CURRENT_LIST_DIR}/ini_bench.cpp)
target_link_libraries(bench_ini PRIVATE shared_services benchmark::benchmark)
