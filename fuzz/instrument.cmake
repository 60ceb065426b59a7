# The fuzzing build: every target of the tree is compiled with coverage for libFuzzer and with
# AddressSanitizer and UndefinedBehaviorSanitizer, so a fault anywhere below a parser is caught.
# Undefined behaviour aborts instead of being reported and carried on past. Only clang has
# libFuzzer; with another compiler the tree builds as usual and the fuzz targets are left out.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(OM_FUZZ_INSTRUMENTED ON)
  set(OM_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(-fsanitize=fuzzer-no-link ${OM_FUZZ_SANITIZERS})
  add_link_options(${OM_FUZZ_SANITIZERS})
else()
  set(OM_FUZZ_INSTRUMENTED OFF)
  message(WARNING "OM_BUILD_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++): no fuzz targets")
endif()
