#include "designer/fixture_dialogs.h"

#include "dialogs/modal.h"

using fixture::FieldType;

TFixtureDlg::TFixtureDlg(int32 kind, const std::vector<int32>& values, std::vector<int32> fields)
    : kind_(kind), fields_(std::move(fields)) {
  const fixture::KindSpec& info = fixture::SpecOf(kind);
  if (fields_.empty())
    for (std::size_t i = 0; i < info.fields.size(); ++i) fields_.push_back(static_cast<int32>(i));
  std::vector<int32> v = values;
  fixture::HoldToRanges(kind, v);
  for (std::size_t i = 0; i < info.fields.size(); ++i)
    shown.push_back(info.fields[i].type == FieldType::Length ? v[i] / fixture::LengthScale()
                                                             : v[i]);
}

std::vector<int32> TFixtureDlg::Values() const {
  const fixture::KindSpec& info = fixture::SpecOf(kind_);
  std::vector<int32> v;
  for (std::size_t i = 0; i < info.fields.size(); ++i)
    v.push_back(info.fields[i].type == FieldType::Length ? shown[i] * fixture::LengthScale()
                                                         : shown[i]);
  return v;
}

void TFixtureDlg::Describe(dlg::Form& f) {
  const fixture::KindSpec& info = fixture::SpecOf(kind_);
  const bool metric = MetricUnits == 1;
  f.Title(std::string(info.name)).Help("easydraw.htm");
  for (int32 i : fields_) {
    const fixture::FieldSpec& field = info.fields[static_cast<std::size_t>(i)];
    int32& value = shown[static_cast<std::size_t>(i)];
    switch (field.type) {
      case FieldType::Length:
        f.Integer(std::string(field.label) + (metric ? " (mm)" : " (inches)"), value,
                  metric ? field.low : field.lowIn, metric ? field.high : field.highIn);
        break;
      case FieldType::Count: f.Integer(field.label, value, field.low, field.high); break;
      case FieldType::Choice: f.Choice(field.label, value, field.options); break;
      case FieldType::Check: f.Check(field.label, value); break;
    }
  }
}

// ---- The picker -------------------------------------------------------------------------

namespace pick {

const std::vector<Item>& Items() {
  using namespace fixture;
  static const std::vector<Item> items = {
      {1, Bed, false, "Bed"},         {2, Table, false, "Table and chairs"},
      {3, Lounge, false, "Lounge"},   {4, Bath, false, "Bath"},
      {5, Shower, false, "Shower"},   {6, Sink, false, "Sink"},
      {7, Vanity, false, "Vanity"},   {8, Worktop, false, "Worktop"},
      {9, Cooktop, false, "Cooktop"}, {10, Plant, false, "Plant"},
      {11, Lights, false, "Lights"},  {12, Lights, true, "Ceiling fan"},
      {13, Stairs, false, "Stairs"},
  };
  return items;
}

const Item* Find(int32 code) {
  for (const Item& i : Items())
    if (i.code == code) return &i;
  return nullptr;
}

}  // namespace pick

void TEasydrawdlg::Describe(dlg::Form& f) {
  std::vector<std::pair<int32, std::string>> options;
  for (const pick::Item& i : pick::Items()) options.push_back({i.code, i.caption});
  f.Title("Easy Draw").Help("easydraw.htm");
  f.Choice("Draw", item, options, true);
}

// ---- Running the kind's dialog -------------------------------------------------------------

namespace {

template <class Dialog>
bool Run(std::vector<int32>& values) {
  Dialog d(values);
  if (!dlg::ShowModal(d)) return false;
  values = d.Values();
  return true;
}

}  // namespace

bool RunFixtureDialog(int32 kind, bool fan, std::vector<int32>& values) {
  using namespace fixture;
  bool ok = false;
  switch (kind) {
    case Bed: ok = Run<TBedDlg>(values); break;
    case Table: ok = Run<TTableDlg>(values); break;
    case Stairs: ok = Run<TStairsDlg>(values); break;
    case Bath: ok = Run<TBathDlg>(values); break;
    case Lounge: ok = Run<TLoungeDlg>(values); break;
    case Sink: ok = Run<TSinkDlg>(values); break;
    case Shower: ok = Run<TShowerDlg>(values); break;
    case Cooktop: ok = Run<TCooktopDlg>(values); break;
    case Vanity: ok = Run<TVanityDlg>(values); break;
    case Plant: ok = Run<TPlantDlg>(values); break;
    case Worktop: ok = Run<TWorktopDlg>(values); break;
    case Lights:
      ok = fan ? Run<TFansDlg>(values) : Run<TLightsDlg>(values);
      if (ok) values[lights::What] = fan ? lights::IsFan : lights::AreLights;
      break;
    default: break;
  }
  return ok;
}
