// A tree whose reads run script of its own: found by fuzzing the answers the sources read.

#include <gtest/gtest.h>

#include <chrono>

#include "data/json_document.h"

namespace om {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

TEST(JsonDocumentFuzz, AfterOneReadRunsOutOfTimeLaterReadsFailAtOnce) {
  JsonDocument doc;
  doc.SetTimeLimit(milliseconds(100));
  // Parse takes plain literals only; a getter reaches a tree through the program's own values.
  ASSERT_TRUE(doc.Parse(T("{\"list\": [1, 2]}")));
  ASSERT_TRUE(doc.SetValue(T("a"), T("{get b() { for (;;); }}")));
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(doc.TypeOf(T("a.b")), JsonType::None);
  // Forty more reads at the full time limit each would take four seconds.
  for (int i = 0; i < 40; ++i) EXPECT_EQ(doc.GetText(T("a.b")), Text());
  EXPECT_EQ(doc.ItemCount(T("list")), 0);
  EXPECT_LT(Clock::now() - start, milliseconds(2000));
}

TEST(JsonDocumentFuzz, ANewTreeIsReadAgainAfterAHostileOne) {
  JsonDocument doc;
  doc.SetTimeLimit(milliseconds(100));
  ASSERT_TRUE(doc.SetValue(T("a"), T("{get b() { for (;;); }}")));
  EXPECT_EQ(doc.GetText(T("a.b")), Text());
  ASSERT_TRUE(doc.Parse(T("{\"a\": {\"b\": \"x\"}, \"list\": [1, 2]}")));
  EXPECT_EQ(doc.GetText(T("a.b")), T("x"));
  EXPECT_EQ(doc.ItemCount(T("list")), 2);
}

TEST(JsonDocumentFuzz, AReadThatThrowsQuicklyLeavesTheTreeReadable) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(T("{\"c\": \"3\"}")));
  ASSERT_TRUE(doc.SetValue(T("a"), T("{get b() { throw 1; }}")));
  EXPECT_EQ(doc.GetText(T("a.b")), Text());
  EXPECT_EQ(doc.GetText(T("c")), T("3"));
}

}  // namespace
}  // namespace om
