// The user-interface services on Qt widgets: message boxes, input query,
// file, colour and printer dialogs, and the mouse pointer.
#pragma once

#include <QPrinter>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

#include "platform/ui.h"

class QWidget;

namespace plat {

class QtUi : public UserInterface {
 public:
  // parent: the window dialogs are centred on (the main window).
  explicit QtUi(QWidget* parent = nullptr);
  ~QtUi() override;

  void SetParent(QWidget* parent) { parent_ = parent; }
  // The printer the printer set-up dialog configures and printing uses.
  QPrinter& Printer() { return *printer_; }

  int MessageDlg(const std::string& text, MsgType type, unsigned buttons) override;
  int CaptionedMessage(const std::string& caption, const std::string& text,
                       unsigned buttons) override;
  void ShowMessage(const std::string& text) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool OpenFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool SaveFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool ChooseColour(COLORREF& colour) override;
  bool PrinterSetup() override;
  Point GetCursorPos() override;
  void SetCursorPos(Point screen) override;
  void Later(std::function<void()> task) override;
  void RunWaitingTasks() override;

 private:
  using Tasks = std::deque<std::function<void()>>;
  bool FileDialog(const FileDialogRequest& request, bool save, std::string& path);
  static void RunFirst(Tasks& tasks);

  QWidget* parent_;
  std::unique_ptr<QPrinter> printer_;
  // Shared with the events posted for them, which may outlive this object.
  std::shared_ptr<Tasks> waiting_ = std::make_shared<Tasks>();
};

// "Drawings (*.KWV)|*.KWV|All (*.*)|*.*" or "Drawings (*.KWV)" to a Qt name
// filter; each pattern also matches its lower- and upper-case spelling.
QString ToQtFileFilter(const std::string& filter);

}  // namespace plat
