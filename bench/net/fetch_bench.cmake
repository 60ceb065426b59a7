# Fetching a 1 MiB page from a server on 127.0.0.1 with each fetching call and, for scale,
# with the curl command-line tool.
find_package(PkgConfig REQUIRED)
pkg_check_modules(OM_FETCH_BENCH_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
om_bench(om_net_fetch_bench fetch_bench.cpp)
target_link_libraries(om_net_fetch_bench PRIVATE om_net PkgConfig::OM_FETCH_BENCH_HTTPLIB
                      Threads::Threads)
