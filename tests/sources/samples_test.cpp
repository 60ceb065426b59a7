#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "tests/sources/sample_files.h"

namespace om {
namespace {

// The bundled samples are what their generator writes, byte for byte: edits go into the
// script, and the script stays in step with the files the tests and the demo read.
TEST(Samples, GeneratorWritesTheBundledFilesAgain) {
  if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
  namespace fs = std::filesystem;
  fs::path out = fs::temp_directory_path() / ("om_samples_" + std::to_string(::getpid()));
  fs::create_directories(out);
  std::string command = "python3 " + testing::SamplePath("generate.py") + " " + out.string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(out)) {
    std::string name = entry.path().filename().string();
    EXPECT_EQ(testing::ReadBytes(entry.path().string()),
              testing::ReadBytes(testing::SamplePath(name)))
        << name;
    ++compared;
  }
  fs::remove_all(out);
  EXPECT_EQ(compared, 16);
}

}  // namespace
}  // namespace om
