// Showing a modal dialog: whoever is installed for the dialog's class
// answers; with nobody installed the question is cancelled.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/feetdlg.h"
#include "dialogs/modal.h"
#include "dialogs/shell_dialogs.h"
#include "platform/ui.h"

namespace {

// A dialog of two fields, the second checked on OK.
struct Rename {
  std::string name = "Bed";
  int copies = 1;
  std::string Accept() const { return copies >= 1 ? "" : "copies input is incorrect"; }
};

TEST(ModalDialog, WithNothingInstalledEveryDialogIsCancelled) {
  Rename r;
  EXPECT_FALSE(dlg::ShowModal(r));
  EXPECT_EQ(r.name, "Bed");
  dlg::ScreenScaleDialog scale;
  EXPECT_FALSE(dlg::ShowModal(scale));
}

TEST(ModalDialog, AScriptAnswersInTurnAndKeepsWhatEachDialogShowed) {
  dlg::Scripted<Rename> script;
  dlg::ScopedRunner use(script);
  script.Answer([](Rename& d) { d.name = "Lounge"; }).Cancel().Answer();

  Rename first;
  EXPECT_TRUE(dlg::ShowModal(first));
  EXPECT_EQ(first.name, "Lounge");

  Rename second;
  second.name = "Study";
  EXPECT_FALSE(dlg::ShowModal(second));
  EXPECT_EQ(second.name, "Study");

  Rename third;  // OK on the start values
  EXPECT_TRUE(dlg::ShowModal(third));
  EXPECT_EQ(third.name, "Bed");

  ASSERT_EQ(script.Asked(), 3);
  EXPECT_EQ(script.Shown()[0].name, "Bed");
  EXPECT_EQ(script.Shown()[1].name, "Study");
  EXPECT_EQ(script.Unanswered(), 0);
  EXPECT_EQ(script.Pending(), 0u);

  // One dialog more than the script knows is cancelled and counted.
  Rename extra;
  EXPECT_FALSE(dlg::ShowModal(extra));
  EXPECT_EQ(script.Unanswered(), 1);
}

TEST(ModalDialog, AnAnswerTheDialogRefusesClosesItAsCancel) {
  dlg::Scripted<Rename> script;
  dlg::ScopedRunner use(script);
  script.Answer([](Rename& d) { d.copies = 0; });
  Rename r;
  EXPECT_FALSE(dlg::ShowModal(r));
  EXPECT_EQ(script.Refused(), 1);
}

TEST(ModalDialog, TheFeetDialogsOkSetsTheLengthFromTheFields) {
  dlg::Scripted<TTFeetdlg> feet;
  dlg::ScopedRunner use(feet);
  feet.Answer([](TTFeetdlg& d) {
    d.Feet = 2;
    d.Inches = 3;
    d.Eighths = 0;
  });
  TTFeetdlg d(100);
  ASSERT_EQ(d.ShowModal(), plat::mrOk);
  EXPECT_EQ(d.Length, (2 * 12 + 3) * 24);
}

TEST(ModalDialog, AScopedRunnerPutsBackTheOneItReplaced) {
  dlg::Scripted<Rename> outer, inner;
  outer.Answer().Answer();
  inner.Cancel();
  dlg::ScopedRunner useOuter(outer);
  {
    dlg::ScopedRunner useInner(inner);
    Rename r;
    EXPECT_FALSE(dlg::ShowModal(r));
  }
  Rename r;
  EXPECT_TRUE(dlg::ShowModal(r));
  EXPECT_EQ(outer.Asked(), 1);
  EXPECT_EQ(inner.Asked(), 1);

  {
    dlg::ScopedRunner<Rename> none(nullptr);
    EXPECT_FALSE(dlg::ShowModal(r));
  }
  EXPECT_TRUE(dlg::ShowModal(r));
  EXPECT_EQ(outer.Asked(), 2);
}

}  // namespace
