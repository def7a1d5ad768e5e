// The headless tests: no window system, a scripted user interface that fails
// a test on any question it did not expect.
#include <gtest/gtest.h>

#include "tests/test_support.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  InstallDefaultTestUi();
  return RUN_ALL_TESTS();
}
