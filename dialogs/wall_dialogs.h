// The dialogs of the external walls: the construction (wall type), the
// custom wall in millimetres or in inches, and the side of the inner lines.
// Each describes its form (dialogs/form.h) and is shown with dlg::ShowModal.
#pragma once

#include <string>

#include "building/wall_geometry.h"
#include "building/wall_settings.h"
#include "dialogs/form.h"
#include "model/globals.h"

// The wall type: a custom wall or one of the usual constructions.
struct TTExtwalldlg {
  int32 type = walltype::Veneer;  // walltype::
  bool metric = true;

  void Describe(dlg::Form& f);
  // The dialog's results: 1 for a custom wall, else the nominal thickness;
  // and the three layers (all 0 for a custom wall, which the custom dialog
  // gives).
  int32 WallType() const { return NominalThickness(type, metric); }
  Layers Result() const { return LayersOfWallType(type, metric); }
  bool Custom() const { return type == walltype::Custom; }
};

// A custom wall in millimetres: the whole thickness, the cavity and the
// inner leaf; the outer leaf is what the other two leave.
struct TTTCustwalldlg {
  int32 total = 240;
  int32 cavity = 55;
  int32 inner = 75;

  void Describe(dlg::Form& f);
  std::string Accept();
  Layers Result() const;
};

// A custom wall in inches (with eighths), the same three values.
struct TTCustwallimpdlg {
  double total = 9.5;
  double cavity = 2.0;
  double inner = 3.0;

  void Describe(dlg::Form& f);
  std::string Accept();
  // In 1/24 inch, each rounded down to whole eighths.
  Layers Result() const;
};

// The side of the inner lines, relative to the line the user draws.
struct Tsecdlg {
  int32 side = innerside::Below;  // innerside::
  void Describe(dlg::Form& f);
};

// The layers of a custom wall: the outer leaf is the total less the cavity
// and the inner leaf when both are above 0, else the total.
Layers CustomLayers(int32 total, int32 cavity, int32 inner);
// Why a custom wall cannot be built ("" when it can).
std::string CustomWallProblem(int32 total, int32 cavity, int32 inner);
