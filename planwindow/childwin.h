// The drawing window: one window per open view of the drawing.
//
// TMDIChild holds the window's state and its handlers; it reaches the screen
// only through TPlanWindowHost, which the Qt widget implements and tests
// implement with a recording device context. The picture is never cached:
// every paint reads the live drawing file again, and after every paint
// DrawingList holds the whole drawing rebuilt from that file.
#pragma once

#include <memory>
#include <string>

#include "model/globals.h"
#include "platform/dc.h"
#include "platform/gdi_types.h"
#include "platform/services.h"
#include "platform/window.h"
#include "tools/drawingtool.h"

class TFlist;

// ---- Window modes (TMDIChild::ChildMode) -------------------------------------
namespace childmode {
constexpr int32 Creation = 1;      // just created, or no reference point yet
constexpr int32 KeyRouting = 2;    // a key-routing state is active
constexpr int32 Frame = 3;         // a frame or zoom box is being drawn
constexpr int32 Normal = 4;
constexpr int32 DatumPlaced = 5;   // a temporary datum has just been placed
constexpr int32 DatumWaiting = 6;  // waiting for the temporary datum
}  // namespace childmode

// ---- Zoom styles (ZoomStyle and TMDIChild::ApplyZoom) ----------------------------
namespace zoomstyle {
constexpr int32 AfterMoveFrame = 1;  // after the move tool's frame: the common ending only
constexpr int32 Normal = 2;
constexpr int32 Half = 3;
constexpr int32 Fit = 4;
constexpr int32 ZoomUp = 6;
}  // namespace zoomstyle

// ---- Scroll codes of the scroll messages -------------------------------------------
namespace scrollcode {
constexpr int32 LineUp = 0;
constexpr int32 LineDown = 1;
constexpr int32 PageUp = 2;
constexpr int32 PageDown = 3;
constexpr int32 ThumbPosition = 4;  // thumb released
constexpr int32 ThumbTrack = 5;     // thumb dragged
}  // namespace scrollcode

// ---- Modes of TMDIChild::RedrawArea -----------------------------------------------
namespace redraw {
constexpr int32 Later = 0;           // invalidate the whole window
constexpr int32 Now = 1;             // invalidate and update at once
constexpr int32 LibraryCorner = 3;   // the library-preview corner
constexpr int32 NowAlso = 9;         // as Now
constexpr int32 ToolFrame = 15;      // the current tool's frame rectangle
}  // namespace redraw

// The zoom-up box's tag in the current tool's picked-floor field.
constexpr int32 kZoomBoxArmed = 20;     // waiting for the first corner
constexpr int32 kZoomBoxDragging = 21;  // the rubber band follows the pointer

// TMDIChild::ScrollToStep's answers.
constexpr int32 kStepVisible = 0;
constexpr int32 kStepScrolled = 1;
constexpr int32 kStepOffSheet = 2;  // refused: the step would leave the sheet

// FindChainEnd's answer when no external wall touches the point.
constexpr int32 kNoChain = 30001;

// What TMDIChild::ChooseWallOrOpening asks for.
namespace wallchain {
constexpr int32 ExternalWalls = 4;
constexpr int32 Windows = 6;
constexpr int32 Doors = 7;
}  // namespace wallchain

enum class ScrollBarKind { Horizontal, Vertical };

// Formats of TMDIChild::ExportImage.
namespace exportformat {
constexpr int32 Bmp = 1;
constexpr int32 Png = 2;
}  // namespace exportformat

// What a drawing window needs of the screen besides its client area.
class TPlanWindowHost {
 public:
  virtual ~TPlanWindowHost() = default;

  // The client area: device contexts, invalidation, painting. An
  // invalidated part is erased in the window colour, then TMDIChild::OnPaint
  // runs.
  virtual plat::Window& Surface() = 0;
  // Shows a scroll bar with the range 0..range at a position (hidden bars
  // are not drawn and count as position 0).
  virtual void SetScrollBar(ScrollBarKind bar, int32 range, int32 position, bool visible) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // The colour the background is erased in.
  virtual void SetColour(plat::COLORREF colour) = 0;
  // Closes the window; the main form hears of it through TMDIChild::FormClose
  // and frees the window's logic.
  virtual void Close() = 0;
};

class TMDIChild final : public TToolWindow {
 public:
  // Runs InitWindow; then, while a view is being set up (ViewState above 0),
  // reads the live drawing into DrawingList.
  explicit TMDIChild(TPlanWindowHost& host);
  ~TMDIChild();
  TMDIChild(const TMDIChild&) = delete;
  TMDIChild& operator=(const TMDIChild&) = delete;

  TPlanWindowHost& Host() const { return host_; }
  plat::Window& Surface() const { return host_.Surface(); }

  // ---- The window's own state ------------------------------------------------------
  int32 ReferenceX = 0;  // reference point of the cursor read-out, drawing units
  int32 ReferenceY = 0;
  int32 StartX = 0;      // start of the outline or external wall being traced
  int32 StartY = 0;
  int32 VertRange = 0;   // vertical scroll range, pixels
  int32 ZoomBoxX = 0;    // moving corner of the zoom-up box, drawing units
  int32 ZoomBoxY = 0;
  int32 ZoomStartX = 0;  // anchor corner of the zoom-up box, drawing units
  int32 ZoomStartY = 0;
  int32 ChildMode = childmode::Creation;
  int32 RestoreToolId = 0;  // tool re-installed after a zoom
  int32 PressOrgX = 0;      // WindowOrgX/Y at the last left press
  int32 PressOrgY = 0;
  // The two wizard guide panels; null while no wizard runs.
  std::unique_ptr<plat::StaticText> WizardText;
  std::unique_ptr<plat::StaticText> WizardHint;

  // The view this window shows and its caption (the drawing name plus the
  // view's extension). Activating the window makes them current again.
  int32 ViewCode = 0;
  std::string Caption;
  // Makes the floor edits now go to (CurrentView) the window's view, and
  // names it in the caption.
  void FollowWorkingFloor();

  // ---- Creation, closing, resizing, painting ---------------------------------------------
  void InitWindow();
  // The window closes and frees itself: the main form forgets it.
  void FormClose();
  void FormResize();
  void OnPaint();
  void GetClientExtent(int32* height, int32* width) const;
  // The far end of the external-wall chain touching the current tool's first
  // point; the element index (kNoChain when none) and its point in mapping units.
  int32 FindChainEnd(int32* x, int32* y) const;
  // The client rectangle (left and top 0).
  plat::Rect ClientRect() const;

  // ---- Viewport, zoom and scrolling (planwindow/viewport.cpp) ----------------------------
  void SetupViewport(int32 mode);
  void ApplyZoom(int32 style);
  void CentreView(int32 flag);
  void FitZoomToWindow();
  void ZoomBox(int32 phase, plat::DeviceContext& dc, int32 spare, int32 x, int32 y);
  void TrackZoomBox(plat::DeviceContext& dc, int32 spare, int32 x, int32 y);
  void AlignOriginToReference();
  void HorzScroll(int32 code, int32 thumbPosition);
  void VertScroll(int32 code, int32 thumbPosition);
  void RedrawArea(int32 mode);
  static int32 NearestWhole(float v);

  // Scroll bars as the window shows them (a hidden bar reads as position 0).
  int32 HorzRange() const { return horzRange_; }
  int32 HorzPosition() const { return barsVisible_ ? horzPos_ : 0; }
  int32 VertPosition() const { return barsVisible_ ? vertPos_ : 0; }
  bool ScrollBarsVisible() const { return barsVisible_; }

  // ---- Reference point and layout aids (planwindow/reference.cpp) -------------------------
  void ResetReference(int32 mode);
  void ShowExternalRectangle(int32 flag);
  void RedrawLayoutGrid();
  void ResetZoomBox();

  // ---- Undo and redo (planwindow/undo.cpp) -------------------------------------------------
  // Both end a selection being placed first, as Enter would lock it: its
  // list names elements by their place in the drawing, which they change.
  void Undo();
  void Redo();

  // ---- Picture export (planwindow/export.cpp) ----------------------------------------------
  // Saves the client area as "EXPORT\<name>.BMP" or ".PNG" (exportformat::).
  void ExportImage(int32 format);

  // ---- Switching between windows ---------------------------------------------------------------
  // Keeps this window's zoom while another window is active, and brings it
  // (and the window's view) back when this one is activated again.
  void SaveViewState();
  void RestoreViewState();

  // TToolWindow: client pixels to screen pixels.
  plat::Point ClientToScreen(plat::Point client) const override;

  // ---- Event routing (planwindow/routing_*.cpp, tools helper) ----------------------------
  // The Qt widget forwards its key and mouse events here. Buttons: 1 left,
  // 2 right. Keys are virtual-key codes (platform/keys.h).
  void FormKeyDown(int key, bool shift);
  void FormKeyUp(int key);
  void FormKeyPress(char ch);
  void OnMouseDown(int button, int x, int y);
  void OnMouseMove(int x, int y, bool leftDown);
  void OnMouseUp(int button, int x, int y);
  void StartTemporaryDatum();

  // Library commands (planwindow/library_commands.cpp): symbols reach the
  // plan from the designer, a library or the paste buffer, and each ends in
  // the placing step; a framed selection can be added to a library.
  void OfferAddToLibrary(int32 fixtureKind);
  void PickLibraryItem(int32 group);
  void PasteItems();
  void StartLibraryAdd();
  int32 CountExternalWalls() const;
  // The placing step: the move tool frames the elements from first on.
  void PlaceAppended(int32 first, int32 mode);
  // The library item under preview, drawn over the picture after each paint
  // (it is not part of the drawing until it is placed).
  void PaintLibraryPreview(plat::DeviceContext& dc, const plat::Rect& client);
  bool HasLibraryPreview() const { return libraryPreview_ != nullptr; }

  // Cursor stepping (planwindow/cursor_steps.cpp): the arrow keys move the
  // pointer one pixel; a keyboard step first scrolls its end into view.
  // ScrollToStep: 0 visible, 1 scrolled, 2 refused (beyond the sheet).
  void NudgeCursor(int32 key);
  int32 ScrollToStep(int32 distance, int32 key, int32 x, int32 y);

  // Cursor read-out (planwindow/cursor_readout.cpp).
  void MeasureFromReference(int32 x, int32 y, float* bearing, int32* length) const;
  // The read-out text for a pointer d drawing units from the reference point.
  std::string CursorReadout(int32 dx, int32 dy, float bearing, int32 length) const;

  // ---- Texts and the window's drawing commands (planwindow/text_commands.cpp,
  // planwindow/drawing_commands.cpp) -------------------------------------------------------
  // Asks the text style and readies the text tool for a centred or a typed text.
  void StartText();
  // Mode 8: asks the text for the line just drawn and its side, kept in
  // "CFG\LTEXT.CFG" (Cancel: the pick tool, its first y 125000). Mode 3:
  // redraws the window now (with the layout grid when it is shown).
  void LineTextOrRedraw(int32 mode);
  // Mode 8: asks the number of lines of the multi-line function (step 40).
  void StartMultiLines(int32 mode);
  // An arrow with the move-line-end tool: the line under the pointer gets
  // its nearer end moved that way by a typed amount.
  void MoveLineEnd(int32 key, plat::Point cursor);
  // Flag 1: asks a new name and a turn or mirror, and turns the whole
  // drawing into it; true when the drawing now has a new name (the main form
  // opens it). A flag below 1 turns the live drawing in place by that code.
  bool RotateMirrorDrawing(int32 flag);
  // The line-style dialog: thickness and pen style of what is drawn next.
  void ChooseLineStyle();
  // Whether the framed selection holds a rounded rectangle, an ellipse or an
  // arc, which turn only by quarter turns (the user is told why).
  bool SelectionTurnsByQuartersOnly();
  // The fill colour of the filled shape or symbol at (x, y), logical units:
  // the colour chooser, then the whole group takes the colour.
  void ChangeFillColour(int32 x, int32 y);
  // ---- Design rooms (planwindow/droom_commands.cpp) --------------------------------------
  // Asks the name and size of a new design room (the room-wall thickness
  // first, for the first room of the view) and has the design-room tool make
  // it; the tool must be current. Drives the wizards' room steps.
  void NewDesignRoom();
  // The same for a room the size of the free space the design-room tool has
  // just measured round a click.
  void RoomInFreeSpace();
  // "Finish Design Rooms": locks the design rooms of the floor shown into
  // internal walls with their texts and dimensions, as one undo step
  // (planwindow/droom_finish.cpp).
  void FinishDesignRooms();
  // Whether the wall thickness round the rooms of the view is known; when it
  // cannot be read the user is told and asked for it (false on Cancel).
  bool AskMissingRoomWallSize(int32 view);

  // ---- The drawing wizards (planwindow/wizards.cpp) -----------------------------------
  // Show the current step of the external-wall or design-room wizard: the
  // step panel, the hint line from the second step on, and some steps'
  // status texts. The step decides where the panel goes; the placement code
  // is not used. Showing the last step leaves its texts and sets the kind to 0.
  void ShowWallWizardStep(int32 placement);
  void ShowRoomWizardStep(int32 placement);
  // Ends a running wizard: the panels go, the pick tool is current.
  void EndWizard();
  // Sets the design-room wizard's rooms (list entries 6 to 9) side by side
  // from the point the outline starts at, the room-wall size apart.
  void PlaceWizardRooms();
  // The client pixel inset pixels in from the top left corner of the part of
  // the sheet the window shows, so that it lies on the sheet at any window
  // size (the window's own corner while the sheet fills the window). The
  // wizards start tracing there.
  plat::Point SheetCornerPixel(plat::Point inset) const;
  // Where the ground floor's external walls start: the pointer goes there
  // when their dialogs are done, and the wall wizard's first Enter takes it.
  plat::Point WallStartCorner() const;
  // The wizard's rooms with Bed 1's top left corner on this drawing point.
  void PlaceWizardRooms(plat::Point corner);

  // Redimensions the current floor after an enlarge or shrink (flag 1: also
  // its stop ends, area and title; 2: dimensions only).
  void FinishFloorEdit(int32 flag);

  // ---- Windows and doors (planwindow/opening_chain.cpp) ---------------------------------
  // The window and door dialog chains: the dialogs, the opening tool set up
  // and its first prompt, or the pick tool after a cancel or a refusal.
  void ChooseWindows();
  void ChooseDoors();

  // ---- External walls, dimensions and floor areas (planwindow/wall_chain.cpp,
  // wall_tracing.cpp, screen_updates.cpp, dimensions_area.cpp) ----------------------------
  // The dialog chain in front of the external walls (wallchain::).
  void ChooseWallOrOpening(int32 kind);
  // The wall type dialog, then the picked wall's new layers; false when
  // nothing was changed.
  bool ChangeExternalWallType();
  // Screen updates: a line or internal wall rubbed out; the current tool's
  // frame (its x1, x2, y1, y2) and the copy of it drawn last (its Frame)
  // invalidated.
  void EraseLineOnScreen(int32 index);
  void InvalidateToolFrame();
  void InvalidateMergeArea();
  void InvalidateFrameChange(int32 mode);
  void InvalidateFrameMove(int32 mode);
  void InvalidateFrames(int32 mode, int32 margin);
  // Step 8: the floor's automatic dimensions and its area; step 1: the
  // current tool frames its elements for placing.
  void PlaceAutoDimensions(int32 step);
  // Modes 1 (after an outline) and 2 (after walls drawn one at a time).
  void ReportFloorArea(int32 mode);
  // Enter in the steps of a dimension set by two points.
  void AskDimensionMeasurement(plat::Point cursor);
  void ShowAreaDialog();

  // Auto-scroll while the left button is held: the widget gives the window a
  // timer, the press starts it and every tick scrolls by one step while the
  // pointer stays in the margin. No timer: no auto-scroll.
  plat::Timer* AutoScrollTimer = nullptr;
  void AutoScrollTick();
  bool AutoScrolling() const { return autoScroll_.active; }

 private:
  struct AutoScrollState {
    bool active = false;
    plat::Point pointer{};
    plat::Rect client{};
  } autoScroll_;

  // Key routing (planwindow/routing_keys.cpp).
  plat::Point PointerInClient() const;
  plat::Point ClientToDrawing(plat::Point client) const;
  void CallToolKeyDown(int32 key, plat::Point cursor, int32 amount);
  void ToggleLayoutGrid();
  void EscapeToPickTool();
  void DropUnfinishedOutline();
  void RouteIdleKey(int32 key, plat::Point cursor);
  void RouteIdleArrow(int32 key, plat::Point cursor);
  void RouteRotateByKey(int32 key, plat::Point cursor);
  void RouteIdleEnter(plat::Point cursor);
  bool AskEnterNumber(const char* prompt, const char* initial, bool allowNegative,
                      int32& value);
  bool AskArcHeight(plat::Point cursor, int32& value);
  void EnterForOpening(plat::Point cursor);
  void EnterForMoveTool(plat::Point cursor);
  void EnterForSplit(plat::Point cursor);
  void AfterIdleEnter();
  void EnterForEnlargeShrink(plat::Point cursor);
  void RedimensionFloors(int32 multiFloorMode);

  // The construction key table (planwindow/routing_construction.cpp).
  void RouteConstructionKey(int32 key, plat::Point cursor);
  void ArrowProcedure(int32 key, plat::Point cursor);
  bool ArrowSetUp(int32 key, int32 direction);
  void AngledToggle(int32 key, plat::Point cursor);
  void FinalWall(int32 key, plat::Point cursor);
  void StepExecutor(int32 key, int32 distance, bool noQuestion);

  // Mouse routing (planwindow/routing_mouse.cpp).
  void LeftPress(int x, int y);
  bool LeftPressRules(int x, int y, int32 entryType, int32 entryStep);
  void EndStatuses(int32 entryStep);
  void PressTail(int32 entryStep);
  void DesignRoomPress(int x, int y, int32 entryStep);
  void WorktopPress(int x, int y, int32 entryStep);
  void CentringPress(int x, int y, int32 entryStep);
  bool CentredTextPress(int x, int y);
  void RoofPrompts(int32 type);
  void RightPress(int x, int y);
  void RotateByRightButton(int x, int y);
  void LeftRelease(int x, int y);
  void ReleaseWithStep(int x, int y, int32 step, int32 type);
  void FrameRelease(int x, int y, int32 step);
  void TextChangeRelease(int x, int y);
  void TextSizeRelease(int x, int y);
  void RedrawText(int32 index);
  // The text of a centred text (Ttextcentredlg); false on Cancel.
  bool AskCentredText(std::string& text);
  // A typed text's starting point lay off the sheet: a new click sets it.
  void TypedTextOffSheet();
  void RightRelease(int x, int y);
  void StartAutoScroll(int x, int y);
  void StopAutoScroll();

  // External walls (planwindow/wall_*.cpp).
  void ChooseExternalWalls();
  void CancelWallChain();
  // After a step of an outline or of external walls: the read-out, and the
  // chain that finishes the floor once the chain is closed (drawn: the step
  // drew or closed something).
  void AfterWallStep(bool drawn);
  void CompleteOutline();
  void CompleteExternalWalls();
  void InvalidateLogical(int32 left, int32 bottom, int32 right, int32 top);

  // Wall edits and internal walls (planwindow/walledit_press.cpp,
  // planwindow/inwall_steps.cpp).
  bool WallEditPress(int x, int y, int32 entryStep);
  bool AskEditAmount(int32 step, int32& amount);
  void JoinFirstEnd(int32 index, plat::Point p);
  void JoinSecondEnd(plat::Point p);
  void JoinEnding(plat::Point p);
  void ResizePickedWall(int32 step, int32 kind, int32 index, plat::Point p);
  void DeletePickedWall(int32 kind, int32 index);
  void Redimension();
  void InwallStepDone(int32 key, int32 distance);
  void PointerToMiddle();

 public:
  // ---- End of event routing ------------------------------------------------------------------

 private:
  void PaintFloorView(plat::DeviceContext& dc, const plat::Rect& client);
  void PaintLayoutView(plat::DeviceContext& dc, const plat::Rect& client);
  void UpdateReferenceAfterPaint();
  void SetPositionsFromOrigin();
  void ShowScrollBars();
  void PushScrollBars();
  void ApplyNormalZoom(const plat::Rect& client);
  void ApplyHalfZoom(const plat::Rect& client);
  bool ApplyFitZoom(const plat::Rect& client);
  bool FitFloorPlan(const plat::Rect& client);
  bool FitLayout(const plat::Rect& client);
  void ZoomEnding();
  void DrawZoomRectangle(plat::DeviceContext& dc, int32 x1, int32 y1, int32 x2, int32 y2);
  int32 ClampScroll(int32 position, int32 range) const;
  void PlaceAtChainEnd(bool startFlag, bool forUndo);
  void EndPlacingSelection();

  // The wizard step whose panels are shown, to place them again on a resize.
  void ShowWizardStep(bool wallWizard);
  void PlaceWizardPanels();
  int32 shownWizardStep_ = 0;
  bool shownWallWizard_ = true;

  // The library frame's end: the framed elements offered to a library.
  void AddFramedToLibrary();
  void ShowLibraryPreview(const std::string& file);
  void EndLibraryPreview();
  std::unique_ptr<TFlist> libraryPreview_;
  // The press that ran the designer: its release (when the window still
  // gets it) must not move the symbol the designer left for placing.
  bool designerPress_ = false;

  TPlanWindowHost& host_;
  int32 horzRange_ = 0;
  int32 horzPos_ = 0;
  int32 vertPos_ = 0;
  bool barsVisible_ = false;

  // The program-wide view state a window paints with: the active window's
  // is in the globals, every other window keeps its own here.
  struct ViewGlobals {
    float zoomFactor = 0;
    int32 windowExtX = 0, windowExtY = 0;
    int32 drawingWidth = 0, drawingHeight = 0;
    int32 zoomStyle = 0;
    int32 currentView = 0;
    int32 windowOrgX = 0, windowOrgY = 0;
    static ViewGlobals Capture();
    void Apply() const;
  };
  // The zoom kept while another window is active.
  struct SavedView {
    bool valid = false;
    ViewGlobals view;
  } saved_;
  // Runs f with this window's own view state in the globals while another
  // window is active (tiled windows paint and resize side by side), keeps
  // what f made of it, and gives the active window its state and list back.
  template <class F>
  void WithOwnView(F f);
  void PaintView();
};
