// The designer's dialogs: the picker of the Easy Draw command and one
// parameter dialog per kind. A parameter dialog holds the kind's values in
// the units it shows (millimetres, or whole inches in imperial drawings) and
// describes one field per parameter; the form checks each against its range.
#pragma once

#include <string>
#include <vector>

#include "designer/fixture_kinds.h"
#include "dialogs/form.h"

class TFixtureDlg {
 public:
  // Shows the given parameters of the kind (all when fields is empty).
  TFixtureDlg(int32 kind, const std::vector<int32>& values, std::vector<int32> fields = {});

  int32 Kind() const { return kind_; }
  // The values in drawing units.
  std::vector<int32> Values() const;

  void Describe(dlg::Form& f);

  // The values as shown (one per parameter of the kind).
  std::vector<int32> shown;

 private:
  int32 kind_;
  std::vector<int32> fields_;
};

struct TBedDlg : TFixtureDlg {
  explicit TBedDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Bed, v) {}
};
struct TTableDlg : TFixtureDlg {
  explicit TTableDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Table, v) {}
};
struct TStairsDlg : TFixtureDlg {
  explicit TStairsDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Stairs, v) {}
};
struct TBathDlg : TFixtureDlg {
  explicit TBathDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Bath, v) {}
};
struct TLoungeDlg : TFixtureDlg {
  explicit TLoungeDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Lounge, v) {}
};
struct TSinkDlg : TFixtureDlg {
  explicit TSinkDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Sink, v) {}
};
struct TShowerDlg : TFixtureDlg {
  explicit TShowerDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Shower, v) {}
};
struct TWorktopDlg : TFixtureDlg {
  explicit TWorktopDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Worktop, v) {}
};
struct TCooktopDlg : TFixtureDlg {
  explicit TCooktopDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Cooktop, v) {}
};
struct TVanityDlg : TFixtureDlg {
  explicit TVanityDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Vanity, v) {}
};
struct TPlantDlg : TFixtureDlg {
  explicit TPlantDlg(const std::vector<int32>& v) : TFixtureDlg(fixture::Plant, v) {}
};
// Lights and fans share the kind and its file: each dialog shows its own
// parameters and chooses its fitting.
struct TLightsDlg : TFixtureDlg {
  explicit TLightsDlg(const std::vector<int32>& v)
      : TFixtureDlg(fixture::Lights, v,
                    {fixture::lights::Count, fixture::lights::Spacing, fixture::lights::Diameter}) {
  }
};
struct TFansDlg : TFixtureDlg {
  explicit TFansDlg(const std::vector<int32>& v)
      : TFixtureDlg(fixture::Lights, v, {fixture::lights::FanDiameter, fixture::lights::Blades}) {}
};

// The items the Easy Draw picker offers.
namespace pick {
struct Item {
  int32 code;     // what the picker answers
  int32 kind;     // the fixture kind
  bool fan;       // the ceiling-fan variant of the lights
  const char* caption;
};
const std::vector<Item>& Items();
const Item* Find(int32 code);
}  // namespace pick

struct TEasydrawdlg {
  int32 item = 1;  // a code of pick::Items()
  void Describe(dlg::Form& f);
};

// Runs the parameter dialog of the kind (the fans' for the fan) over the
// values (drawing units); true on OK, with the values changed.
bool RunFixtureDialog(int32 kind, bool fan, std::vector<int32>& values);
