// A test that scripts an answer the program never asks for. It must fail,
// and the failure must be printed under the test's name in every output
// mode: CTest runs it and reads what it prints (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include "tests/test_support.h"

TEST(Harness, AnAnswerNeverAskedFailsUnderItsName) {
  DefaultTestUi().ExpectQuestion(plat::mrYes);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  InstallDefaultTestUi();
  return RUN_ALL_TESTS();
}
