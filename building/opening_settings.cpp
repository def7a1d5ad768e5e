#include "building/opening_settings.h"

#include "platform/services.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace {

// The values, then the counted text straight after the last number.
template <std::size_t N>
bool ReadCounted(const char* file, int32 (&v)[N], int countIndex, std::string& text) {
  cfg::Reader in(ProgramFile(file));
  if (!in.IsOpen()) return false;
  int32 r[N] = {};
  for (int32& x : r)
    if (!in.Int(x)) return false;
  const int32 n = r[countIndex];
  if (n < 0 || n > kOpeningTextMax) return false;
  std::string t = in.Chars(static_cast<std::size_t>(n));
  if (t.size() != static_cast<std::size_t>(n)) return false;
  for (std::size_t i = 0; i < N; ++i) v[i] = r[i];
  text = std::move(t);
  return true;
}

template <std::size_t N>
bool WriteCounted(const char* file, const int32 (&v)[N], int countIndex, const std::string& text) {
  // The count always says how long the text is.
  const std::string t = text.substr(0, kOpeningTextMax);
  std::string line;
  for (std::size_t i = 0; i < N; ++i) {
    const int32 x = static_cast<int>(i) == countIndex ? static_cast<int32>(t.size()) : v[i];
    line += plat::Format(i ? " %d" : "%d", x);
  }
  return cfg::Write(ProgramFile(file), line + t);
}

// A length no longer, either way, than the dialogs give.
bool Within(int32 length, int32 most) { return length >= -most && length <= most; }

}  // namespace

bool ReadWindowSettings(WindowSettings& s) {
  WindowSettings r;
  if (!ReadCounted(cfgfile::Window, r.v, 9, r.text)) return false;
  if (!Within(r.Width(), kMaxOpeningLength) || !Within(r.Height(), kMaxOpeningLength))
    return false;
  s = r;
  return true;
}

bool ReadDoorSettings(DoorSettings& s) {
  DoorSettings r;
  if (!ReadCounted(cfgfile::Door, r.v, 10, r.text)) return false;
  if (!Within(r.LeafWidth(), kMaxOpeningLength) || !Within(r.TotalWidth(), kMaxDoorTotalLength))
    return false;
  s = r;
  return true;
}

bool ReadDoorSwing(DoorSwing& s) {
  cfg::Reader in(ProgramFile(cfgfile::DoorSwing));
  DoorSwing r;
  if (!in.Int(r.angle) || !in.Int(r.lineWidth) || !in.Real(r.sine) || !in.Real(r.cosine))
    return false;
  // A thin or thick leaf line, and a sine and cosine that are ones: the
  // leaf's reach is the leaf's width times them.
  constexpr int32 kThin = 1, kThick = 2;
  auto unit = [](double v) { return v >= -1.0 && v <= 1.0; };
  if (r.lineWidth < kThin || r.lineWidth > kThick || !unit(r.sine) || !unit(r.cosine))
    return false;
  s = r;
  return true;
}

bool WriteWindowSettings(const WindowSettings& s) {
  return WriteCounted(cfgfile::Window, s.v, 9, s.text);
}

bool WriteDoorSettings(const DoorSettings& s) {
  return WriteCounted(cfgfile::Door, s.v, 10, s.text);
}

bool WriteDoorSwing(const DoorSwing& s) {
  return cfg::Write(ProgramFile(cfgfile::DoorSwing),
                    plat::Format("%d %d %f %f\n", s.angle, s.lineWidth, s.sine, s.cosine));
}

void ReportOpeningSettingsUnreadable(const char* file) {
  plat::ErrorBox("The settings file " + ShownFile(file) +
                     " cannot be read.\nCopy it back from the program's own CFG folder, then "
                     "choose the window or door again.",
                 plat::mbOK);
}
