#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "app/text.h"

namespace om::testing {

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A bundled sample as the program holds it after the fetch: GBK text.
inline std::string SamplePath(const std::string& name) {
  return std::string(OM_SOURCE_DIR) + "/assets/samples/" + name;
}
inline Text SampleText(const std::string& name) {
  return Text::fromUtf8(ReadBytes(SamplePath(name)));
}

// A small test page of this folder's fixtures, written in UTF-8.
inline std::string FixturePath(const std::string& name) {
  return std::string(OM_TEST_DATA_DIR) + "/sources/" + name;
}
inline Text FixtureText(const std::string& name) {
  return Text::fromUtf8(ReadBytes(FixturePath(name)));
}

}  // namespace om::testing
