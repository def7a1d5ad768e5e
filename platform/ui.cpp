#include "platform/ui.h"

namespace plat {

namespace {

// Answers every question as a user pressing Cancel or No would, so code run
// without a window system never blocks.
class SilentUi : public UserInterface {
 public:
  int MessageDlg(const std::string&, MsgType, unsigned buttons) override {
    if (buttons & mbNo) return mrNo;
    if (buttons & mbCancel) return mrCancel;
    return mrOk;
  }
  void ShowMessage(const std::string&) override {}
  bool InputQuery(const std::string&, const std::string&, std::string&) override {
    return false;
  }
  bool OpenFileDialog(const FileDialogRequest&, std::string&) override { return false; }
  bool SaveFileDialog(const FileDialogRequest&, std::string&) override { return false; }
  bool ChooseColour(COLORREF&) override { return false; }
  bool PrinterSetup() override { return false; }
  Point GetCursorPos() override { return cursor_; }
  void SetCursorPos(Point screen) override { cursor_ = screen; }

 private:
  Point cursor_{0, 0};
};

SilentUi& Silent() {
  static SilentUi silent;
  return silent;
}

UserInterface* installed = nullptr;

}  // namespace

UserInterface& Ui() { return installed ? *installed : Silent(); }

UserInterface* SetUi(UserInterface* ui) {
  UserInterface* previous = installed;
  installed = ui;
  return previous;
}

void ErrorBox(const std::string& text, unsigned singleButton) {
  Ui().MessageDlg(text, MsgType::Error, singleButton);
}

void InfoBox(const std::string& text, unsigned singleButton) {
  Ui().MessageDlg(text, MsgType::Information, singleButton);
}

bool AskYesNo(const std::string& text) {
  return Ui().MessageDlg(text, MsgType::Confirmation, mbYes | mbNo) == mrYes;
}

}  // namespace plat
