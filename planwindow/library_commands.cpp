// Library commands of the plan window: a designed symbol, a library symbol
// or the paste buffer is appended to the drawing and framed by the move tool
// for placing; a framed selection is stored in a library.
#include <memory>

#include "dialogs/addtolibdlg.h"
#include "dialogs/liblistdlg.h"
#include "dialogs/modal.h"
#include "model/flist.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/dc.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/library_file.h"
#include "tools/moveobjtool.h"

using namespace routing;

namespace {

constexpr int32 kPlaceLibraryItem = 78;  // SetTool id of the move tool that places an item
constexpr int32 kViewBeforeGround = 119;
constexpr int32 kStairs = 3;
constexpr int32 kWorktop = 14;

constexpr const char* kAddQuestion = "do you want to add this object to your libraries ?";
constexpr const char* kStairsGuide =
    "GUIDE: click new position with Left Button (fine tune with arrow keys) - bottom tread is at "
    "bottom of screen";
constexpr const char* kLockGuide =
    "GUIDE: click new position with Left Button (fine tune with arrow keys, press Enter to lock "
    "position)";
constexpr const char* kPlaceGuide =
    "GUIDE: click new position with Left Button (fine tune with arrow keys)";
constexpr const char* kPreviewGuide =
    "click Left Button to preview choices in bottom left corner, press ENTER when correct";
constexpr const char* kLibraryAddGuide =
    "GUIDE: click down Left Button just outside one corner and DRAG over new library item";
constexpr const char* kNothingToPaste = "nothing to paste";
constexpr const char* kEmptyLibrary = "there are no items in this library yet";
constexpr const char* kNothingFramed = "Nothing selected - try again";

void RecordUndo() { DrawingList.UpdateUndoHistory(uoRecord, CurrentView); }

}  // namespace

// The callers record the undo step before they append: it stands for the
// whole placing, so an undo takes the elements away, never back to where
// they wait to be placed.
void TMDIChild::PlaceAppended(int32 first, int32 mode) {
  DrawingList.WriteLibraryExtents(first);
  TDrawingtool* t = Tool();
  if (!t) return;
  t->Window = this;
  {
    plat::WindowDC dc(Surface());
    t->ElementsAdded(*dc, ClientRect(), first, mode);
  }
  t->Step = framestep::Placing;
  ChildMode = childmode::Frame;
  ToolPanel("Move Rotate");
  Surface().InvalidateRect(nullptr);
}

void TMDIChild::OfferAddToLibrary(int32 k) {
  TDrawingtool* t = Tool();
  if (!t) return;
  RecordUndo();
  const int32 first = DrawingList.Count();
  t->Command(k + 100);
  if (CurrentView == kViewBeforeGround) CurrentView = view::Ground;
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
  PlaceAppended(first, addmode::Designed);
  if (k != kStairs && k != kWorktop &&
      plat::Ui().MessageDlg(kAddQuestion, plat::MsgType::Information, plat::mbYes | plat::mbNo) ==
          plat::mrYes)
    AddSelectionToLibrary();
  ToolPanel("Move Rotate");
  Guide(k == kStairs ? kStairsGuide : kLockGuide);
}

// ---- Choosing from a library -------------------------------------------------------

void TMDIChild::ShowLibraryPreview(const std::string& file) {
  // A preview takes no group numbers from the drawing.
  const int32 groups = NextGroupNumber;
  auto preview = std::make_unique<TFlist>();
  preview->ReadLibraryFile(file);
  NextGroupNumber = groups;
  libraryPreview_ = std::move(preview);
  RedrawArea(redraw::LibraryCorner);
  Surface().UpdateWindow();
  // Windows that paint later show it too; this one shows it now.
  plat::WindowDC dc(Surface());
  PaintLibraryPreview(*dc, ClientRect());
}

void TMDIChild::EndLibraryPreview() {
  if (!libraryPreview_) return;
  libraryPreview_.reset();
  RedrawArea(redraw::LibraryCorner);
}

void TMDIChild::PaintLibraryPreview(plat::DeviceContext& dc, const plat::Rect& client) {
  if (!libraryPreview_) return;
  for (int32 i = 0; i < libraryPreview_->Count(); ++i)
    libraryPreview_->At(i)->Paint(dc, client, 0);
}

void TMDIChild::PickLibraryItem(int32 group) {
  const int32 shownView = CurrentView;
  const int32 viewState = ViewState;
  CurrentFunction = func::Libraries;
  TTLiblistdlg d(group);
  if (d.items.empty()) {
    plat::InfoBox(kEmptyLibrary);
    return;
  }
  ViewState = group + 10;
  if (MainForm) MainForm->SelectPickTool();
  // A list cancelled leaves the pick tool, and its prompt, under way.
  const std::string prompt = MainForm ? MainForm->st.PanelText(panel::Guide) : std::string();
  Guide(kPreviewGuide);
  d.onPreview = [this, &d](int32) { ShowLibraryPreview(d.ChosenFile()); };
  const bool chosen = dlg::ShowModal(d);
  EndLibraryPreview();
  ViewState = viewState;
  CurrentView = shownView;
  if (!chosen) {
    if (TDrawingtool* t = Tool()) t->Type = tooltype::Parked;
    Guide(prompt);
    return;
  }
  // Only the item chosen last goes into the drawing, read afresh.
  RecordUndo();
  const int32 first = DrawingList.Count();
  if (DrawingList.ReadLibraryFile(d.ChosenFile()) == 0) {
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
  if (MainForm) MainForm->SetTool(kPlaceLibraryItem);
  if (TDrawingtool* t = Tool()) t->Type = tooltype::Move;
  PlaceAppended(first, addmode::Paste);
  Guide(kPlaceGuide);
}

// ---- Pasting -------------------------------------------------------------------------------

void TMDIChild::PasteItems() {
  // An empty or missing paste buffer changes nothing.
  {
    const int32 groups = NextGroupNumber;
    TFlist probe;
    const int32 found = probe.ReadLibraryFile("PASTE.CFG");
    NextGroupNumber = groups;
    if (found == 0) {
      plat::InfoBox(kNothingToPaste);
      if (MainForm) MainForm->SelectPickTool();
      return;
    }
  }
  RecordUndo();
  const int32 first = DrawingList.Count();
  DrawingList.ReadLibraryFile("PASTE.CFG");
  MarkDrawingChanged();
  DrawingList.WriteDrawingFile(dtDrawing);
  if (MainForm) MainForm->SetTool(kPlaceLibraryItem);
  if (TDrawingtool* t = Tool()) t->Type = tooltype::Move;
  PlaceAppended(first, addmode::Paste);
  Guide(kPlaceGuide);
}

// ---- Adding to a library -----------------------------------------------------------------

void TMDIChild::StartLibraryAdd() {
  CurrentFunction = func::Libraries;
  if (MainForm) MainForm->SetTool(tooltype::Copy);
  if (TDrawingtool* t = Tool()) t->AddToLibraryFlag() = 1;
  ChildMode = childmode::Frame;
  Guide(kLibraryAddGuide);
}

void TMDIChild::AddFramedToLibrary() {
  auto* t = dynamic_cast<TMoveobjtool*>(Tool());
  if (!t || t->TakenCount == 0 || t->Listed().empty()) {
    plat::InfoBox(kNothingFramed);
    return;
  }
  AddSelectionToLibrary();
}

int32 TMDIChild::CountExternalWalls() const {
  int32 n = 0;
  for (int32 i = 0; i < DrawingList.Count(); ++i) {
    const TObj* e = DrawingList.At(i);
    if (e->Floor == CurrentView && e->Kind == kind::ExtWall) ++n;
  }
  return n;
}
