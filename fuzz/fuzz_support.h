#pragma once

// Shared pieces of the fuzz targets: a check that stops the run with a message, and the
// Qt application object that the script engine and the picture plugins need.

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/text.h"

// Aborts the run, so libFuzzer saves the input, when a property every answer must keep fails.
#define OM_FUZZ_CHECK(condition)                                                            \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

namespace om::fuzz {

// One application object for the whole run, made before the first input.
inline void MakeApplication(int* argc, char*** argv) {
  static QCoreApplication* application = new QCoreApplication(*argc, *argv);
  (void)application;
}

// The input as the program's text: its bytes up to the first zero byte.
inline Text InputText(const uint8_t* data, size_t size) {
  return Text(std::string_view(reinterpret_cast<const char*>(data), size));
}

inline std::string InputBytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace om::fuzz
