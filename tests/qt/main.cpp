// The tests that need Qt: one application object on the offscreen platform,
// and the same failing-by-default scripted user interface as the headless
// tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/test_support.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  InstallDefaultTestUi();
  return RUN_ALL_TESTS();
}
