#include "platform/qt/qt_ui.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QUrl>
#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>

#include "platform/files.h"
#include "platform/qt/focus_keeper.h"
#include "platform/qt/qt_dc.h"

namespace plat {

namespace {

struct ButtonMap {
  MsgButton flag;
  QMessageBox::StandardButton button;
  ModalResult result;
};

constexpr ButtonMap kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},         {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},            {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},   {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

struct TypeLook {
  QMessageBox::Icon icon;
  const char* caption;  // nullptr: the application's name
};

TypeLook LookOf(MsgType type) {
  switch (type) {
    case MsgType::Warning: return {QMessageBox::Warning, "Warning"};
    case MsgType::Error: return {QMessageBox::Critical, "Error"};
    case MsgType::Information: return {QMessageBox::Information, "Information"};
    case MsgType::Confirmation: return {QMessageBox::Question, "Confirm"};
    case MsgType::Custom: break;
  }
  return {QMessageBox::NoIcon, nullptr};
}

QString AppCaption() {
  const QString name = QApplication::applicationDisplayName();
  return name.isEmpty() ? QApplication::applicationName() : name;
}

std::string ToStd(const QString& s) { return s.toUtf8().toStdString(); }

// A message box whose question must be answered: Escape and the window's
// close button leave it open. Qt makes No the Escape answer of a Yes/No
// question, and at the save question that throws the user's work away.
class MustAnswerBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (clickedButton()) {
      QMessageBox::closeEvent(event);
      return;
    }
    event->ignore();
  }
};

// A question of more than one answer none of which backs out (no Cancel):
// the user has to choose one.
bool MustBeAnswered(unsigned buttons) {
  int answers = 0;
  for (const ButtonMap& b : kButtons) answers += (buttons & b.flag) ? 1 : 0;
  return answers > 1 && !(buttons & mbCancel);
}

// Shows a message box of the given buttons (OK alone when none) and returns
// the modal result of the one pressed; closeAnswer when it was closed
// without one (Escape or the close button, where they may close it).
int RunMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                  unsigned buttons, QWidget* parent, int closeAnswer) {
  std::unique_ptr<QMessageBox> box =
      MustBeAnswered(buttons)
          ? std::make_unique<MustAnswerBox>(icon, caption, text, QMessageBox::NoButton, parent)
          : std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::NoButton, parent);
  for (const ButtonMap& b : kButtons)
    if (buttons & b.flag) box->addButton(b.button);
  if (buttons == 0) box->addButton(QMessageBox::Ok);
  if (buttons & mbYes) box->setDefaultButton(QMessageBox::Yes);
  const int pressed = box->exec();
  for (const ButtonMap& b : kButtons)
    if (pressed == b.button) return b.result;
  return closeAnswer;
}

// A pattern list "*.KWV;*.kwv" with both case spellings of each pattern.
QString BothCases(const QString& patterns) {
  QStringList out;
  for (const QString& p : patterns.split(QRegularExpression("[;\\s]+"), Qt::SkipEmptyParts)) {
    for (const QString& v : {p, p.toLower(), p.toUpper()})
      if (!out.contains(v)) out << v;
  }
  return out.join(' ');
}

}  // namespace

QString ToQtFileFilter(const std::string& filter) {
  const QString f = ToQString(filter);
  if (f.isEmpty()) return {};
  QStringList parts = f.split('|');
  QStringList entries;
  if (parts.size() < 2) {
    // "Name (*.EXT)": widen the patterns between the brackets.
    const int open = f.indexOf('('), close = f.lastIndexOf(')');
    if (open < 0 || close < open) return f;
    return f.left(open + 1) + BothCases(f.mid(open + 1, close - open - 1)) + f.mid(close);
  }
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    const int open = name.indexOf('(');
    if (open >= 0) name = name.left(open).trimmed();
    entries << name + " (" + BothCases(parts[i + 1]) + ")";
  }
  return entries.join(";;");
}

QtUi::QtUi(QWidget* parent) : parent_(parent), printer_(std::make_unique<QPrinter>()) {}

QtUi::~QtUi() = default;

int QtUi::MessageDlg(const std::string& text, MsgType type, unsigned buttons) {
  FocusKeeper focus;
  const TypeLook look = LookOf(type);
  // Closed with Escape or the close box: Cancel, or OK where that is the
  // only answer.
  const int closeAnswer = !(buttons & mbCancel) && (buttons & mbOK) ? mrOk : mrCancel;
  return RunMessageBox(look.icon, look.caption ? QString(look.caption) : AppCaption(),
                       ToQString(text), buttons, parent_, closeAnswer);
}

int QtUi::CaptionedMessage(const std::string& caption, const std::string& text,
                           unsigned buttons) {
  return RunMessageBox(QMessageBox::Critical, ToQString(caption), ToQString(text), buttons, parent_,
                       buttons & mbCancel ? mrCancel : mrOk);
}

void QtUi::ShowMessage(const std::string& text) {
  FocusKeeper focus;
  QMessageBox box(QMessageBox::NoIcon, AppCaption(), ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtUi::InputQuery(const std::string& caption, const std::string& prompt,
                      std::string& value) {
  FocusKeeper focus;
  QInputDialog box(parent_);
  box.setWindowTitle(ToQString(caption));
  box.setLabelText(ToQString(prompt));
  box.setTextValue(ToQString(value));
  if (box.exec() != QDialog::Accepted) return false;
  value = ToStd(box.textValue());
  return true;
}

bool QtUi::FileDialog(const FileDialogRequest& request, bool save, std::string& path) {
  FocusKeeper focus;
  QFileDialog dialog(parent_, ToQString(request.title),
                     ToQString(MapPath(request.directory.empty() ? "." : request.directory)),
                     ToQtFileFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.defaultExt.empty()) {
    std::string ext = request.defaultExt;
    if (ext.front() == '.') ext.erase(0, 1);
    dialog.setDefaultSuffix(ToQString(ext));
  }
  if (request.stayInDirectory) {
    const QString home = dialog.directory().absolutePath();
    dialog.setSidebarUrls({QUrl::fromLocalFile(home)});
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&dialog, home](const QString& d) {
      if (QDir(d).absolutePath() != home) dialog.setDirectory(home);
    });
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = ToStd(dialog.selectedFiles().front());
  return true;
}

bool QtUi::OpenFileDialog(const FileDialogRequest& request, std::string& path) {
  return FileDialog(request, false, path);
}

bool QtUi::SaveFileDialog(const FileDialogRequest& request, std::string& path) {
  return FileDialog(request, true, path);
}

bool QtUi::ChooseColour(COLORREF& colour) {
  FocusKeeper focus;
  const QColor start(GetRValue(colour), GetGValue(colour), GetBValue(colour));
  const QColor chosen = QColorDialog::getColor(start, parent_);
  if (!chosen.isValid()) return false;
  colour = RGB(chosen.red(), chosen.green(), chosen.blue());
  return true;
}

bool QtUi::PrinterSetup() {
  FocusKeeper focus;
  QPrintDialog dialog(printer_.get(), parent_);
  dialog.setWindowTitle("Print Setup");
  return dialog.exec() == QDialog::Accepted;
}

Point QtUi::GetCursorPos() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

void QtUi::SetCursorPos(Point screen) { QCursor::setPos(screen.x, screen.y); }

void QtUi::Later(std::function<void()> task) {
  // Each posted event runs the first task still waiting: one run early by
  // RunWaitingTasks leaves its event nothing to do, and the order holds.
  waiting_->push_back(std::move(task));
  QTimer::singleShot(0, qApp, [waiting = waiting_] { RunFirst(*waiting); });
}

void QtUi::RunWaitingTasks() {
  while (!waiting_->empty()) RunFirst(*waiting_);
}

void QtUi::RunFirst(Tasks& tasks) {
  if (tasks.empty()) return;
  const std::function<void()> task = std::move(tasks.front());
  tasks.pop_front();
  task();
}

}  // namespace plat
