# Tests of the fetching calls against servers on 127.0.0.1 that each test starts and stops.
# Debian builds cpp-httplib as a library with OpenSSL support; its pkg-config file carries
# the matching compile definitions.
find_package(PkgConfig REQUIRED)
pkg_check_modules(OM_FETCH_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
om_test(om_net_fetch_tests
  fetch_servers.cpp
  fetch_headers_test.cpp
  fetch_answer_test.cpp
  web_request_test.cpp
  page_fetch_test.cpp
  answer_headers_fuzz_test.cpp
  body_memory_test.cpp)
target_link_libraries(om_net_fetch_tests PRIVATE om_net PkgConfig::OM_FETCH_HTTPLIB Threads::Threads)
