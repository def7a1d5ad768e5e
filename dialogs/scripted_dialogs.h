// Dialog answers from a script, for tests: each question takes the next
// answer of its kind; a question with no answer queued is cancelled and
// counted.
#pragma once

#include <deque>
#include <optional>

#include "dialogs/shell_dialogs.h"

namespace dlg {

class ScriptedDialogs : public ShellDialogs {
 public:
  // std::nullopt answers Cancel.
  void QueueNewDrawing(std::optional<NewDrawingChoice> answer) { news_.push_back(answer); }
  void QueuePrint(std::optional<PrintChoice> answer) { prints_.push_back(answer); }
  void QueueScreenScale(std::optional<int32> answer) { scales_.push_back(answer); }

  int Unanswered() const { return unanswered_; }
  int Asked() const { return asked_; }

  bool NewDrawing(NewDrawingChoice& choice) override { return Take(news_, choice); }
  bool FloorPlanPrint(PrintChoice& choice) override { return Take(prints_, choice); }
  bool ScreenScale(int32& percent) override { return Take(scales_, percent); }

 private:
  template <class T>
  bool Take(std::deque<std::optional<T>>& queue, T& out) {
    ++asked_;
    if (queue.empty()) {
      ++unanswered_;
      return false;
    }
    std::optional<T> a = queue.front();
    queue.pop_front();
    if (!a) return false;
    out = *a;
    return true;
  }

  std::deque<std::optional<NewDrawingChoice>> news_;
  std::deque<std::optional<PrintChoice>> prints_;
  std::deque<std::optional<int32>> scales_;
  int unanswered_ = 0;
  int asked_ = 0;
};

// Installs dialogs for the lifetime of the object.
class ScopedDialogs {
 public:
  explicit ScopedDialogs(ShellDialogs& d) : previous_(SetDialogs(&d)) {}
  ~ScopedDialogs() { SetDialogs(previous_); }
  ScopedDialogs(const ScopedDialogs&) = delete;
  ScopedDialogs& operator=(const ScopedDialogs&) = delete;

 private:
  ShellDialogs* previous_;
};

}  // namespace dlg
