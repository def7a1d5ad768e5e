// A scratch program directory with DrawingList pointed at it, for the
// storage tests. The drawing is called "House"; the sheet is the start-up
// one (8000 x 6000 at PixelScale 5: the page centre is at 20000, 15000).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "model/flist.h"
#include "model/globals.h"
#include "tests/storage_samples.h"
#include "tests/test_support.h"

class StorageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::make_unique<ScratchProgramDir>();
    Prepare(DrawingList);
  }
  void TearDown() override {
    DrawingList.Clear();
    std::fill(DrawingList.UndoViews, DrawingList.UndoViews + UndoDepth, 0);
    dir_.reset();
  }

  static void Prepare(TFlist& list) {
    list.Clear();
    list.ProgramDir = "";
    list.DrawingName = "House";
    std::fill(list.UndoViews, list.UndoViews + UndoDepth, 0);
  }

  ScratchProgramDir& Dir() { return *dir_; }
  std::string Live() { return Dir().ReadFile("DWGS\\House.KWV"); }

  // Expects b to hold every field of a that the file keeps, and the
  // default constructor's values in the others.
  static void ExpectReadBack(TObj& a, TObj& b) {
    ASSERT_EQ(a.Kind, b.Kind);
    ASSERT_EQ(ClassOfKind(a.Kind), ClassOfKind(b.Kind));
    std::unique_ptr<TObj> fresh(NewElementOfKind(a.Kind));
    const auto want = samples::Collect(a);
    const auto got = samples::Collect(b);
    const auto def = samples::Collect(*fresh);
    ASSERT_EQ(want.size(), got.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
      const auto& expect = want[i].stored ? want[i] : def[i];
      EXPECT_EQ(got[i].value, expect.value) << "kind " << a.Kind << " field " << want[i].name;
      EXPECT_EQ(got[i].text, expect.text) << "kind " << a.Kind << " field " << want[i].name;
    }
  }

 private:
  std::unique_ptr<ScratchProgramDir> dir_;
};
