#include <gtest/gtest.h>

#include <QCoreApplication>

// The script engine of JsonDocument needs an application object, as in the program.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
