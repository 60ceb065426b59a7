// TianAPI answers found by fuzzing to hold a parse for hours.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "net/sources/tianapi_source.h"

namespace om {
namespace {

Text FuzzFixture(const char* name) {
  std::ifstream in(std::string(OM_TEST_DATA_DIR) + "/fuzz/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return Text(bytes.str());
}

TEST(TianApiAnswerFuzz, AnswerWhoseFieldsLoopIsGivenUpAfterOneTimeLimit) {
  // A thousand elements whose every field loops: at the time limit per field read, the parse
  // would take hours. An answer holding script is refused before it is evaluated.
  const Text answer = FuzzFixture("tianapi_getter_loop.json");
  ASSERT_FALSE(answer.isEmpty());
  const auto start = std::chrono::steady_clock::now();
  const std::vector<SameTripEntry> trips = ParseSameTripAnswer(answer);
  const std::vector<RumourEntry> rumours = ParseRumourAnswer(answer);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_TRUE(trips.empty());
  EXPECT_TRUE(rumours.empty());
}

}  // namespace
}  // namespace om
