// The main form's logic: start-up settings, the status bars, the recent
// drawings, the drawing windows and the commands. The Qt main window shows
// it; tests drive it headless with a manual timer, scripted answers and
// recording windows.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/flist.h"
#include "platform/files.h"
#include "platform/gdi_types.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "tools/drawingtool.h"

namespace storage {
struct Placement;
}

class TMDIChild;
class TPlanWindowHost;
class TPrinter;
struct PrintArea;

namespace dlg {
struct PrintChoice;
}

// Status bar panels.
namespace panel {
constexpr int Guide = 0;
constexpr int ScreenScale = 1;
constexpr int Tool = 2;
}  // namespace panel

constexpr int kRecentFileCount = 4;
// Drawing windows kept open: opening one more closes the least recently
// active beyond this number.
constexpr int kMaxDrawingWindows = 10;

// Where drawing windows come from: the Qt main window makes MDI children,
// tests make recording windows. The host stays valid until the child's
// FormClose has run.
class TChildFrame {
 public:
  virtual ~TChildFrame() = default;
  // A new window, shown and active, captioned; its events go to child once
  // AttachChild has run.
  virtual TPlanWindowHost& NewChildWindow(const std::string& caption) = 0;
  virtual void AttachChild(TPlanWindowHost& host, TMDIChild& child) = 0;
  // Brings an open window to the front; the window system then reports the
  // activation through TMainForm::ChildActivated.
  virtual void ActivateChild(TPlanWindowHost& host) = 0;
};

class TMainForm {
 public:
  // The constructor runs the start-up sequence; the timer is Timer1, the
  // one-shot that finishes start-up once the message loop runs.
  explicit TMainForm(plat::Timer& timer1);
  // Closes every drawing window first.
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // ---- What the window shows ------------------------------------------------
  plat::StatusBar st{3};
  plat::StatusBar crds{1};
  bool StatusBarOnTop = false;
  plat::COLORREF GuideColour = plat::RGB(255, 255, 255);
  // The recent-file entries of the File menu, most recent first ("" unused).
  std::array<std::string, kRecentFileCount> RecentFiles;
  // False when a settings file the start-up needs was missing.
  bool StartedUp = false;

  // ---- Tools ---------------------------------------------------------------
  TDrawingtool* CurrentTool() const { return currentTool_.get(); }
  // Takes ownership; the old tool is deleted.
  void ReplaceTool(std::unique_ptr<TDrawingtool> tool);

  // ---- Drawing windows --------------------------------------------------------------
  void SetChildFrame(TChildFrame* frame) { frame_ = frame; }
  TChildFrame* ChildFrame() const { return frame_; }
  // The active drawing window (nullptr when none is open).
  TMDIChild* ActiveChild() const;
  // The open drawing windows, the most recently active first.
  std::vector<TMDIChild*> Children() const;
  TMDIChild* CreateDrawingWindow(const std::string& caption);
  // The window system reports activation and closing of drawing windows.
  void ChildActivated(TMDIChild* child);
  void ChildClosed(TMDIChild* child);
  void CloseAllChildren();
  // Every drawing window is painted again: a change of the whole drawing
  // (an undo or a redo) shows in windows other than the one it came from.
  void InvalidateAllChildren();
  // A drawing is open (created, or read with at least its records).
  bool DrawingOpen() const { return drawingOpen_; }
  // The open drawing has changes its files may not hold: it is marked
  // changed, or a write of its files failed since it was last saved. The
  // title shows a star.
  bool HasUnsavedChanges() const;

  // ---- Choosing a command (shell/mainform_commands.cpp) ------------------------------
  using Command = void (TMainForm::*)();
  // Runs a command chosen from a menu. With a drawing window open, a command
  // that can change the drawing marks it changed once it has run.
  void RunCommand(Command command);

  // ---- File commands (shell/mainform_files.cpp) --------------------------------------
  // Before the drawing's name is left for another drawing (created, opened,
  // or the drawing turned into a new name): asks the save question while a
  // write failed or anything is held unwritten (false when a save the user
  // wanted failed), else writes the working file of a drawing that holds
  // anything.
  bool KeepCurrentDrawing();
  void Timer1Timer();
  void CmFilenewExecute();
  void CmFileopenExecute();
  // Opens a drawing by name; false when none was opened.
  bool OpenNamedDrawing(const std::string& name);
  // A recent-file entry of the File menu (0 the most recent).
  void OpenRecentFile(int index);
  void CmSaveExecute();
  void CmAutosaveExecute();
  // What the save question came to.
  enum class SaveAnswer { NothingToSave, Saved, Declined, NotSaved };
  // The save question before a drawing's changes would be discarded. After
  // a failed save it is asked whatever AutosaveMode says. NotSaved (the
  // user was told) when the drawing must stay open as it is: the save the
  // user wanted failed, or a file could not be put back to its last save
  // when the changes were declined, so that its changes would be read back
  // as the drawing at the next start.
  SaveAnswer AskSaveChanges();
  void CmExitExecute();
  // The window's close button: the same steps as Exit.
  void FormCloseQuery();

  // ---- Views, zoom, undo (shell/mainform_views.cpp) ------------------------------------
  // Opens a window on the current view, with what it works on read into
  // the list; `livePlacedAt`: the list holds the live drawing already, read
  // about that placement, and is read again only when the placement in force
  // is another.
  void ShowView(int32 mode, const std::string& extension,
                const storage::Placement* livePlacedAt = nullptr);
  void CmPlanExecute();
  void CmPlan1Execute();
  void CmPlan2Execute();
  void CmPlan3Execute();
  void CmSubfloorExecute();
  void CmSiteExecute();
  void CmLayoutExecute();
  void CmGroupExecute();
  void CmZoomnormExecute();
  void CmZoomhalfExecute();
  void CmZoomfitExecute();
  void CmZoomupExecute();
  void ScalePercentage1Click();
  void ShowPixelSize();
  void CmUndoExecute();
  void CmRedoExecute();

  // ---- Printing, picture export and help (shell/printing.cpp, print_calibration.cpp,
  // mainform_export.cpp, help.cpp) ---------------------------------------------------------
  void SetPrinter(TPrinter* printer) { printer_ = printer; }
  // Print: the chosen floors (or the view shown) on one page each.
  void CmPrintExecute();
  // Split print: the view shown across as many pages as it needs.
  void CmPrintssplitExecute();
  // The printer calibration: a test line, then its measured length.
  void CmPrintcalExecute();
  // The print worker: prints the current view in a document of its own,
  // its code raised by offset (view::PrintOffset, SplitPrintOffset or
  // PartPrintOffset) while it prints, centred on area (drawing units) when
  // one is given, else on the plan. Reports a failure itself; false when
  // nothing could be printed. Callers record the undo step and the backup.
  bool PrintView(int32 offset, const dlg::PrintChoice& choice, const PrintArea* area = nullptr);
  void CmBmpExecute();
  void CmPngExecute();
  // Opens the help page of CurrentFunction (F1) without waiting for the viewer.
  void ShowContextHelp();
  // The help page of a function group.
  static const char* HelpPage(int32 function);

  // ---- Tools and screen aids (shell/mainform_tools.cpp, tools helper) ---------------------
  void SetTool(int32 id);
  void SelectPickTool();
  void CmLineExecute();
  void StartCentringAid(int32 step, const char* prompt);
  void CmCentreExecute();
  void CmCentrecentreExecute();
  void CmDatumExecute();
  void CmLinestyleExecute();
  void ApplyLineStyle(int32 thickness, int32 penStyle);
  // ---- Shapes, texts and the window's drawing commands (shell/mainform_shapes.cpp) ---------
  void CmArcExecute();
  void CmEllipseExecute();
  void CmCircleExecute();
  void CmRndRectExecute();
  void CmTextExecute();
  void CmTextChangeExecute();
  void CmTextSizeExecute();
  void CmLineTextExecute();
  void CmMultiLinesExecute();
  void CmLineEndExecute();
  // The fill colour of new shapes, and filling a shape picked in the plan.
  void CmFillColourExecute();
  void CmFillExecute();
  void CmRotateMirrorExecute();
  // The colour chooser: code 54 edits the fill colour kept in
  // "CFG\FILLCLR.CFG" (Cancel keeps it). True on OK.
  bool ChooseColour(int32 code);
  // A drawing turned or mirrored into a new name becomes the open drawing.
  void ShowRotatedDrawing();
  // ---- End of tools and screen aids ----------------------------------------------------------

  // ---- Windows and doors (shell/mainform_openings.cpp) ------------------------------------
  void CmWindowExecute();
  void CmDoorsExecute();
  void CmDefdoorsExecute();
  void StartOpeningTool(bool door);

  // ---- Frames, polygons, libraries, the designer, part printing -------------------------
  // (shell/mainform_frames.cpp, shell/mainform_designer.cpp, shell/printing_part.cpp)
  void CmMoveExecute();
  void CmCopyExecute();
  void CmEraseExecute();
  void CmPasteExecute();
  void CmCurveAlterExecute();
  void CmPolygonExecute();
  void CmMergeWorktopsExecute();
  void CmPlumbingExecute();
  void CmElectricalExecute();
  void CmFurnitureExecute();
  void CmMiscellaneousExecute();
  void CmAddToLibraryExecute();
  void CmEasyDrawExecute();
  void CmStairsExecute();
  // One round of the designer for FixtureKind, after the clear span was
  // measured where the user clicked.
  void RunFixtureDesigner();
  int32 FixtureKind = 0;    // the kind the Easy Draw or Stairs command chose
  bool FixtureFan = false;  // the ceiling fan of the lights kind
  void CmPrintpartExecute();
  // Prints the part of the plan framed by the print-part tool.
  void PrintPart();

  // ---- Internal walls, wall edits and the base (shell/mainform_walledits.cpp) ------------
  void CmIntwallExecute();
  // The wall edits: the options dialog, or each edit on its own.
  void CmSnapToExecute();
  void CmWallJoinExecute();
  void CmWallShortenExecute();
  void CmWallLengthenExecute();
  void CmWallSplitExecute();
  void CmWallTypeExecute();
  void CmMoveInwallExecute();
  void CmWallDeleteExecute();
  void CmExpandbaseExecute();
  void CmShrinkbaseExecute();

  // ---- External walls, floors, dimensions and areas (shell/mainform_walls.cpp) -------------
  void CmExtwallExecute();
  void CmDimensionsExecute();
  void CmDimensionPointsExecute();
  void CmAreasExecute();
  void CmOverlayExecute();
  void CmOffsetsExecute();
  void CmRoomTextsExecute();

  // ---- Design rooms (shell/mainform_rooms.cpp) ------------------------------------------------
  // "ADD New Design Room": the layout view where the current view holds no
  // rooms, then the room's name and size.
  void CmDroomExecute();
  // The edits of placed rooms: each installs the design-room tool at its step.
  void CmDroomEnlargeExecute();
  void CmDroomShrinkExecute();
  void CmDroomRotateExecute();
  void CmDroomDeleteExecute();
  void CmDroomMoveExecute();
  void CmDroomFreeSpaceExecute();
  // "ALTER Finished Room": unlocks a room that was locked into walls.
  void CmDroomAlterExecute();
  // "Mark External Walls on LAYOUT": the outline traced round the layout's
  // rooms becomes the ground floor's walls, and the rooms are locked into it.
  void CmMarkWallsExecute();
  // "FINISH Design Rooms": the rooms of the floor shown are locked into walls.
  void CmFinishRoomsExecute();
  void CmMergeDistanceExecute();
  void CmRoomColourExecute();
  // A new drawing started with "layout design rooms".
  void StartDesignRooms();
  // ---- End of design rooms ---------------------------------------------------------------------

  // ---- The drawing wizards (shell/mainform_wizards.cpp) --------------------------------
  // Help > Wizards: the chosen wizard's example drawing and its first step.
  void CmWizardsExecute();
  // Ends a running wizard in every drawing window.
  void EndWizards();
  // Finish Design Rooms moves the wall wizard on (steps 18 to 19 to 20).
  void WizardRoomsFinished();

  // ---- Prompts of the screen aids ------------------------------------------------------
  // A screen aid (zoom-up box, temporary datum) shows its own prompt for its
  // time and then gives back the prompt of the function it interrupted.
  void ShowAidPrompt(const std::string& prompt);
  void EndAidPrompt();

  // ---- Hooks to the window system ------------------------------------------------------
  // Asked by the window to close itself (Exit).
  std::function<void()> onCloseRequested;
  // The recent-file menu changed.
  std::function<void()> onRecentFilesChanged;

  // ---- Settings files of the start-up -----------------------------------------
  void ReadRecentFiles();
  void WriteRecentFiles() const;
  // Puts a name at the top of the recent files (once) and writes the file.
  void RememberRecentFile(const std::string& name);
  // Takes a name out of the recent files and writes the file.
  void ForgetRecentFile(const std::string& name);

 private:
  void ReadColours();
  // Writes the working file (the group file in the group view) where its
  // failure loses nothing.
  void WriteWorkingFileQuietly();
  // Writes the working file, the saved copy and whatever else is held
  // unwritten: the drawing is saved. Tells the user when it is not.
  bool SaveDrawing();
  // Declined changes: the live and the group file back to their last save.
  // False when a file could not be put back (the user was told; the
  // drawing stays marked changed and the question comes again).
  bool PutBackLastSave();

  // ---- Failed writes of the drawing's files (shell/mainform_writes.cpp) -------------------
  // Every write of DrawingList's files ends here. A failure leaves the
  // drawing marked changed; the user hears of it once: a write after an
  // edit tells when nothing was told since the working file was last
  // written, a command that writes tells once when its WriteReport ends.
  void DrawingFileWritten(TFlist::StoredFile file, const plat::WriteResult& written);
  // While one lives, failed writes are kept and told once when it ends;
  // always: told even when the user already heard of the trouble (a save
  // the user asked for).
  class WriteReport {
   public:
    explicit WriteReport(TMainForm& form, bool always = false);
    ~WriteReport();
    WriteReport(const WriteReport&) = delete;
    WriteReport& operator=(const WriteReport&) = delete;

   private:
    TMainForm& form_;
  };
  // Every write of a file besides the drawing's (cfg::Write: settings,
  // library items, the paste buffer) ends here. One that fails is told once
  // in the command (at the end of its WriteReport, unless the drawing's
  // failure is told there, or once the event is done); a settings file not
  // again until a write of it works, a library item or the paste buffer
  // each time the user asks for one. The drawing is not marked changed for
  // it.
  void SettingsFileWritten(const plat::WriteResult& written, cfg::Kept what);
  // Tells the failure of such a file the command met, if any.
  void TellSettingsFailure();
  // The save question is owed whatever AutosaveMode says: a write failed
  // since the last save, or a file's content is still held unwritten.
  bool SaveFailed() const;
  // Forgets what was told and failed: a drawing was created or opened.
  void ForgetFailedWrites();
  // Says that a drawing being opened could not be read whole, how the read
  // failed and where its bytes are kept; opened tells whether what was read
  // is shown.
  void ReportDamagedDrawing(const std::string& name, const TFlist::ReadReport& read, bool opened);
  // Every read of the live or group file that finds it damaged, outside an
  // open, ends here: told once the event is done.
  void DrawingFileDamaged(TFlist::StoredFile file, const TFlist::ReadReport& read);
  // A damaged file's copy made again before a write under a name the user
  // was not told of (the copy kept was removed or changed, or none could be
  // kept before): told once the event is done.
  void DamagedCopyMadeAgain(const std::string& path, const std::string& copy,
                            const std::string& before);
  // Why declining changes left the drawing as it stands: the saved copy
  // could not be read whole.
  static std::string SavedCopyUnreadText(const std::string& name, const TFlist::ReadReport& read);
  static std::string SavedCopyEmptyText(const std::string& name);
  enum class DamagedWhen { Opened, NotOpened, WhileOpen, GroupRead, UndoStep, RedoStep };
  static std::string DamagedDrawingText(const std::string& name, const TFlist::ReadReport& read,
                                        DamagedWhen when);
  void StartDrawingTool(bool designRooms);
  void WriteNormalZoom();
  // False when the view stays as it was: a save the user wanted failed.
  bool SwitchView(int32 viewCode, int32 function);
  void ShowFloor(int32 viewCode);
  // The walls of a floor shown for the first time (shell/mainform_walls.cpp).
  void OfferWallsFromBelow(int32 viewCode);
  void SetUnits(int32 metric);
  // File New moves a wizard on to the New dialog's step, or ends it.
  void WizardFileNew();
  // Internal walls and wall edits (shell/mainform_walledits.cpp).
  TMDIChild* WallWindow();
  void StartWallEdit(int32 step);
  void StartBaseChange(int32 step);
  TMDIChild* ZoomTarget();
  // Prints views one after another into one document (shell/printing.cpp).
  bool PrintViews(const std::vector<int32>& views, int32 offset, const dlg::PrintChoice& choice);

  plat::Timer& timer1_;
  std::unique_ptr<TDrawingtool> currentTool_;
  TChildFrame* frame_ = nullptr;
  TPrinter* printer_ = nullptr;
  // Most recently active first.
  std::vector<std::unique_ptr<TMDIChild>> children_;
  bool drawingOpen_ = false;
  // The open drawing was made by File > New in this run and never saved:
  // declining its changes may delete it when its saved copy holds nothing.
  bool neverSaved_ = false;
  bool exiting_ = false;
  bool readingToOpen_ = false;  // the open reads the drawing and tells what it finds
  // The drawing whose steps the undo store holds since a drawing was first
  // created or opened; until then the store holds the steps of the drawing
  // Exit left last, with their views in "CFG\LASTACT.CFG".
  std::string undoOwner_;
  bool undoViewsKeptByExit_ = true;
  int32 lastPickedItem_ = 1;  // the Easy Draw item chosen last
  // The prompt a screen aid interrupted (empty when none runs).
  std::string interruptedPrompt_;
  // A save or a write of the drawing's files failed since the drawing was
  // last saved, opened or created.
  bool saveFailed_ = false;
  struct FailedWrites {
    bool drawingTold = false;  // told since the working file was last written
    bool undoTold = false;     // told since an undo step was last written
    int reports = 0;           // WriteReports alive
    bool always = false;
    bool quiet = false;        // a rewrite whose failure loses nothing
    bool puttingBack = false;  // declined changes being taken back
    std::optional<plat::WriteResult> notPutBack;  // its first failure; empty outside it
    std::string drawing;       // the first problems the reports met
    std::string undo;
    plat::WriteResult settings;          // the first settings write that failed, untold
    cfg::Kept settingsKept = cfg::Kept::Settings;  // what that file keeps
    std::set<std::string> settingsTold;  // settings files told of and not written since
  } writes_;
};

// The one main form (set while it exists).
extern TMainForm* MainForm;

// Texts the main form shows.
extern const char* const kAppTitle;
extern const char* const kCfgMissing;
extern const char* const kStartPrompt;

// The caption extension of a view (".PLN" for the ground floor ...).
std::string ViewExtension(int32 viewCode);
