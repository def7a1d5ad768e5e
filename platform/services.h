// Small services of the operating system the program relies on: text to
// integer conversion, a one-shot timer, status bars and the help viewer.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// The whole text as a signed decimal (surrounding blanks allowed, optional
// sign); anything else, or a value beyond 32 bits, gives def.
int StrToIntDef(std::string_view text, int def);
inline int StrToInt0(std::string_view text) { return StrToIntDef(text, 0); }
std::string IntToStr(long long v);

// printf into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A status bar with numbered text panels. The logic sets texts by index; a
// view (the Qt status bar) listens for changes.
class StatusBar {
 public:
  explicit StatusBar(int panels = 1);
  void SetPanelText(int panel, const std::string& text);
  const std::string& PanelText(int panel) const;
  int PanelCount() const { return int(texts_.size()); }
  // A single-text bar (the coordinates bar) uses panel 0.
  void SetSimpleText(const std::string& text) { SetPanelText(0, text); }
  const std::string& SimpleText() const { return PanelText(0); }
  std::function<void(int panel, const std::string& text)> onChange;

 private:
  std::vector<std::string> texts_;
};

// A timer that calls its handler after an interval until it is disabled.
// The program installs a Qt one; tests fire it by hand.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(int ms) = 0;
  virtual void SetEnabled(bool on) = 0;
  virtual bool Enabled() const = 0;
  std::function<void()> onTimer;
};

// A timer that only records its state; Fire() runs the handler when enabled.
class ManualTimer : public Timer {
 public:
  void SetInterval(int ms) override { interval_ = ms; }
  void SetEnabled(bool on) override { enabled_ = on; }
  bool Enabled() const override { return enabled_; }
  int Interval() const { return interval_; }
  void Fire() {
    if (enabled_ && onTimer) onTimer();
  }

 private:
  int interval_ = 1000;
  bool enabled_ = false;
};

// Starts the help viewer on a page ("help.exe page " + page on the original
// system) without waiting for it. Looks for an executable named "help" in the
// program directory; does nothing when there is none. Returns whether a
// viewer was started.
bool StartHelp(const std::string& page);
// The command line the program asks for ("help.exe page file.htm").
std::string HelpCommandLine(const std::string& page);
// What the program says when no viewer could be started for a page.
std::string NoHelpViewer(const std::string& page);

}  // namespace plat
