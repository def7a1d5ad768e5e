// Showing a modal dialog: whoever is installed for the dialog's class
// answers; with nobody installed the question is cancelled.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

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

  // One dialog more than the script knows is cancelled, counted and
  // reported.
  std::vector<std::string> reported;
  auto keep = std::exchange(dlg::ScriptFailure,
                            [&](const std::string& what) { reported.push_back(what); });
  Rename extra;
  EXPECT_FALSE(dlg::ShowModal(extra));
  EXPECT_EQ(script.Unanswered(), 1);
  EXPECT_EQ(reported.size(), 1u);

  // So is an answer nobody asked for, when the script goes away.
  {
    dlg::Scripted<Rename> unused;
    unused.Answer();
  }
  EXPECT_EQ(reported.size(), 2u);
  dlg::ScriptFailure = keep;
}

// A form runner that types into the described fields.
struct TypingRunner : dlg::FormRunner {
  std::function<void(const dlg::Form&)> type;
  std::vector<std::string> refusals;
  bool Run(const dlg::Form& form, const std::function<std::string()>& accept) override {
    const dlg::Form::Snapshot start = form.Take();
    type(form);
    std::string why = accept();
    if (why.empty()) return true;
    refusals.push_back(why);
    form.Restore(start);
    return false;
  }
};

struct Spacing {
  int32 spacing = 100;
  int32 side = 1;
  std::string name = "Hall";
  void Describe(dlg::Form& f) {
    f.Title("Spacing");
    f.Integer("Spacing", spacing, 50, 1000).Choice("Side", side, {{1, "below"}, {2, "above"}});
    f.Text("Name", name, 10);
  }
  std::string Accept() const { return spacing >= 50 ? "" : "spacing 50 to 1000 input is incorrect"; }
};

TEST(ModalDialog, ADescribedDialogIsShownByTheFormRunnerAndCancelRestoresIt) {
  TypingRunner runner;
  dlg::FormRunner* previous = dlg::InstallFormRunner(&runner);
  runner.type = [](const dlg::Form& f) {
    ASSERT_EQ(f.Fields().size(), 3u);
    *f.Fields()[0].integer = 250;
    *f.Fields()[1].integer = 2;
    *f.Fields()[2].text = "Lounge";
  };
  Spacing s;
  EXPECT_TRUE(dlg::ShowModal(s));
  EXPECT_EQ(s.spacing, 250);
  EXPECT_EQ(s.side, 2);
  EXPECT_EQ(s.name, "Lounge");

  runner.type = [](const dlg::Form& f) { *f.Fields()[0].integer = 10; };
  EXPECT_FALSE(dlg::ShowModal(s));
  EXPECT_EQ(s.spacing, 250);  // the refused value is not kept
  ASSERT_EQ(runner.refusals.size(), 1u);

  // A script installed for the class comes before the form runner.
  dlg::Scripted<Spacing> script;
  dlg::ScopedRunner use(script);
  script.Cancel();
  EXPECT_FALSE(dlg::ShowModal(s));
  EXPECT_EQ(runner.refusals.size(), 1u);
  dlg::InstallFormRunner(previous);
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

// The Feet box reads a length as lengths are written on plans: whole feet
// keep the inch boxes, feet and inches set them, and anything else is
// refused with what the box takes.
TEST(ModalDialog, TheFeetBoxReadsFeetAndInchesAsTheyAreWritten) {
  const int32 ft = 288, in = 24, eighth = 3;
  struct Case {
    const char* typed;
    int32 length;  // 0: refused
  } cases[] = {
      {"40'6\"", 40 * ft + 6 * in},
      {" 40' 6 1/2'' ", 40 * ft + 6 * in + 4 * eighth},
      {"40'-6-3/8\"", 40 * ft + 6 * in + 3 * eighth},
      {"40' 1/4\"", 40 * ft + 2 * eighth},
      {"40", 40 * ft + 3 * in + 2 * eighth},  // the inch boxes as shown
      {"40'", 40 * ft + 3 * in + 2 * eighth},
      {"30\"", 2 * ft + 6 * in},
      {"7/8\"", 7 * eighth},
      {"30''", 2 * ft + 6 * in},  // two apostrophes mark inches, not feet
      {"40 6", 0},
      {"6 1/2", 0},  // inches alone must be marked
      {"40'12\"", 0},
      {"40'6 1/3\"", 0},
      {"40' 6 9/8\"", 0},  // a fraction of an inch is below one inch
      {"4294967336'", 0},   // 2^32 + 40 feet: never 40 feet
      {"40'6\"x", 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TTFeetdlg d(5 * ft + 3 * in + 2 * eighth);
    EXPECT_EQ(d.TypeFeet(c.typed), c.length != 0);
    const std::string refusal = d.Accept();
    if (c.length != 0) {
      EXPECT_EQ(refusal, "");
      EXPECT_EQ(d.Length, c.length);
    } else {
      EXPECT_EQ(refusal, "feet input is incorrect - type whole feet, or feet and inches as 40' 6\"");
    }
  }
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
