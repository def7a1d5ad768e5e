// The element list of the open drawing, with the drawing's file context.
//
// The program has one instance, DrawingList, holding every element of every
// view at once (each element records its view in Floor). Entries 0 to 5 are
// the six per-floor information records; scans of user elements begin at 6.
// The list owns its elements.
#pragma once

#include <cstdint>

#include <cassert>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/elements.h"
#include "model/globals.h"
#include "model/read_faults.h"
#include "platform/files.h"

// Which file a drawing record call writes or reads.
enum TDrawingTarget : int32 {
  dtSavedCopy = 0,  // "CFG\tmp.cfg": the drawing as of the last explicit save
  dtDrawing = 1,    // the live file DWGS\<name>.KWV (WDS\ while a wizard starts)
  dtWizard = 5,     // a wizard drawing WDS\<name>.KWV, written only
  dtBackup = 10,    // DWGS\<name>.BAK, written only
};

// Operations of the undo store.
enum TUndoOp : int32 {
  uoReset = 0,
  uoRecord = 1,
  uoUndo = 2,
  uoRedo = 3,
};

// Steps kept on each of the undo and redo stacks.
constexpr int32 UndoDepth = 10;

namespace storage {
struct ReadResult;
}

class TFlist {
 public:
  // Limits of the file-context texts (characters, without a terminator).
  static constexpr std::size_t kDrawingNameMax = 24;
  static constexpr std::size_t kViewFileNameMax = 29;
  static constexpr std::size_t kNewRoomNameMax = 16;
  static constexpr std::size_t kTextFontNameMax = 31;

  TFlist();
  ~TFlist();
  TFlist(const TFlist&) = delete;
  TFlist& operator=(const TFlist&) = delete;

  // ---- The elements ----------------------------------------------------------
  // Appends e; the list owns it from now on.
  void Add(TObj* e);
  // The slot of entry i: callers read the pointer from it and may store one
  // into it (the old element is then theirs to delete).
  TObj*& At(int32 i) {
    assert(i >= 0 && i < Count());
    return items_[static_cast<std::size_t>(i)];
  }
  TObj* At(int32 i) const {
    assert(i >= 0 && i < Count());
    return items_[static_cast<std::size_t>(i)];
  }
  int32 Count() const { return static_cast<int32>(items_.size()); }
  // Deletes every element and empties the list.
  void Clear();
  // The first slot (nullptr when the list has never held anything).
  TObj** Data() { return items_.data(); }
  // Deletes entry i and closes the gap; later entries move down one place.
  void RemoveAt(int32 i);
  // Takes entry i out of the list without deleting it and closes the gap.
  TObj* Detach(int32 i);
  // Calls draw twice: with the list holding only the filled shapes and
  // symbols, then only everything else (each in list order), so that walls,
  // openings and texts lie over the shapes; the whole list is back
  // afterwards. The layers hold exactly what ReadDrawingShapes and
  // ReadDrawingStructure read of the file the list was read from, so one
  // read serves a layered paint or print. draw must not add, remove or
  // replace elements.
  void DrawInLayers(const std::function<void()>& draw);

  // ---- File context ------------------------------------------------------------
  // The program directory with a trailing backslash; the prefix of every path
  // the program opens (may be longer than on the original system).
  std::string ProgramDir;
  std::string DrawingName;   // at most kDrawingNameMax characters, no extension
  std::string ViewFileName;  // drawing name plus the view's extension
  std::string NewRoomName;   // name of the next design room
  std::string TextFontName;  // default text face, also the design rooms' face
  float FloorArea = 0.0f;
  int32 ShownRepaint = 0;  // the window repaints on key-up when these differ
  int32 WantedRepaint = 0;
  int32 UndoViews[UndoDepth] = {};  // view of each undo step, newest first; 0 none

  // What the last read of a drawing file found, for the commands that open
  // a drawing to report: whether the file could be read, and whether all it
  // holds was read and kept whole.
  struct ReadReport {
    plat::ReadStatus file = plat::ReadStatus::Ok;
    bool complete = true;  // the file was read whole: nothing below holds a fault
    int32 expected = 0;  // elements the header counts
    int32 read = 0;      // elements read
    // Elements read that could not keep all their record held (texts
    // longer than their fields, polygons of more points than they take),
    // and the characters and points left out.
    int32 cutElements = 0;
    std::int64_t cutCharacters = 0;
    std::int64_t cutPoints = 0;
    // Where and why the read stopped early, and what else it read past.
    ReadFaults faults;
    // A live or group file not read whole is kept as it was before
    // anything can write over it: the copy's program path, or why no copy
    // could be kept (the file is then not written over).
    std::string keptAs;
    std::string notKept;
  } LastRead;

  // Setters that hold each text to its limit.
  void SetDrawingName(std::string_view name);
  void SetViewFileName(std::string_view name);
  void SetNewRoomName(std::string_view name);
  void SetTextFontName(std::string_view name);
  void SetFloorArea(int32 area) { FloorArea = static_cast<float>(area); }
  // The float of a huge area can round past the largest int32: hold it there.
  int32 GetFloorArea() const {
    if (FloorArea >= 2147483520.0f) return INT32_MAX;
    if (FloorArea <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32>(FloorArea);
  }

  // ---- Storage (storage/*.cpp) ---------------------------------------------------
  // The drawing's files, as their writes are reported.
  // RedoStep: the redo stack's steps as a read reports them (every step is
  // written as an UndoStep).
  enum class StoredFile { Live, Group, SavedCopy, Backup, Wizard, UndoStep, RedoStep };
  // How a read of a record file went, in the terms the user is told.
  static ReadReport ReportOf(const storage::ReadResult& read);
  // Told after every write of one of the drawing's files, and of the live
  // file's removal: written.Problem() is "" when it worked, else what went
  // wrong in plain words, the file named by its real path ("cannot write
  // /home/u/tarnwick/DWGS/HOUSE.KWV (No space left on device)"). The shell
  // tells the user of failures through it.
  std::function<void(StoredFile file, const plat::WriteResult& written)> OnWritten;
  // Told when a read of the live file or the group file finds it damaged
  // (not read whole), once for each content it is found with; read says how
  // and where its bytes are kept (storage/damaged_files.h).
  std::function<void(StoredFile file, const ReadReport& read)> OnReadDamaged;

  // Which drawing the elements came from: a list read from the floors' files
  // (live file, saved copy, undo step) is never written to the group file,
  // nor a group drawing to the floors' files. Emptying the list forgets it.
  enum class Content { Unknown, Floors, Group };
  Content Holds() const { return content_; }
  void SetContent(Content c) { content_ = c; }

  // Writes the whole list to the target's file. The file is replaced whole;
  // when it cannot be written the old one stays and false is returned. The
  // list of the live file or the saved copy is then held in memory and read
  // in place of the file until a write of it works
  // (storage/unwritten_files.h). While a group drawing is shown (or its list
  // is held) the drawing is the group drawing: dtDrawing writes the group
  // file, and the floors' copies (saved copy, backup, wizard drawing) are
  // never made of it, so nothing is written for them.
  bool WriteDrawingFile(TDrawingTarget target);
  // The floors' drawing as it stands becomes the saved copy, whichever
  // drawing the list holds: written from the list when it holds the floors,
  // else (the group drawing shown) copied byte for byte from the live file,
  // or from what is held for it. Reported as any write of the saved copy;
  // a live file that cannot be read is reported as the saved copy's
  // failure. A write that fails leaves the saved copy as it was (the file,
  // or what is held for it): nothing of the save is held.
  bool WriteSavedCopy();
  // The drawing's files whose last write failed and whose content is held
  // in memory, or whose removal failed and which are held removed: the live
  // file, the group file and the saved copy. Whether
  // any is held, and writing each again from what is held (reported as any
  // write); true when none is held afterwards.
  bool HoldsUnwrittenFiles() const;
  bool WriteHeldFiles();
  // Appends the elements of the target's file; dtDrawing empties the list
  // first, and reads the group file while a group drawing is shown. A file
  // that cannot be opened reads as nothing.
  void ReadDrawingFile(TDrawingTarget target);
  // Empties the list and reads the live file as ReadDrawingFile does, but
  // its elements are placed about the sheet in force once unitsRead, called
  // with the units of the file's header, has returned (it is not called when
  // the file has no header).
  void ReadDrawingFileInUnits(const std::function<void(int32)>& unitsRead);
  // Append only the filled shapes and symbols / everything else; neither
  // empties the list.
  void ReadDrawingShapes(TDrawingTarget target);
  void ReadDrawingStructure(TDrawingTarget target);
  // The path a target is written to / read from ("" when reads open nothing).
  std::string DrawingWritePath(TDrawingTarget target) const;
  std::string DrawingReadPath(TDrawingTarget target) const;

  // Undo store: op is a TUndoOp (any other value does nothing). False when
  // a step could not be written (that step then reads as empty). A step
  // that cannot be read whole (a file of ACT\ cut or changed from outside)
  // is never applied: it is given up, the list is left empty as when there
  // is nothing to undo, StepGivenUp is set and OnReadDamaged told.
  bool UpdateUndoHistory(int32 op, int32 view);
  bool StepGivenUp = false;
  bool WriteUndoSnapshot(int32 slot, int32 content);
  // Appends a slot's elements; false (nothing appended) when the slot's file
  // is there but cannot be read whole. A missing slot reads as empty.
  bool ReadUndoSnapshot(int32 slot);
  std::string UndoSlotPath(int32 slot) const;

  // Symbol libraries and the paste buffer (storage/library_file.cpp).
  // Writes the elements of the selection hand-over to LIBS\ + fileName in
  // the library layout, each relative to its listed origin; false when the
  // file could not be written (told through cfg::Write's observer).
  bool WriteLibraryFile(std::string_view fileName);
  // Appends the records of LIBS\ + fileName on the current view, a little
  // inside the window's bottom-left corner, under new group ids; returns the
  // number appended (0 when the file cannot be read).
  int32 ReadLibraryFile(std::string_view fileName);

  // Group file DWGS\<name>.GPD; held like the live file when it cannot be
  // written. A list read from the floors' files is not written there.
  bool WriteGroupFile();
  void ReadGroupFile();
  // Whether a group drawing is shown (CurrentView 80 to 84, or 1080 while it
  // prints).
  static bool GroupShown();
  // Records in LastRead how a read of the live or group file (at path)
  // went; keeps a damaged file's bytes and tells OnReadDamaged. Called by
  // the readers of those files.
  void NoteRead(StoredFile file, const std::string& path, storage::ReadResult& read);
  // The group file as of the last save, which declining changes goes back
  // to, as the saved copy is for the floors: taken when the drawing is
  // saved, opened or created. RestoreSavedGroup puts it back when the group
  // file was written since, or what a failed put-back left held (the write
  // reported as any write of the group file); nothing happens when it was
  // not, or when it could not be taken.
  void KeepGroupAsSaved();
  bool RestoreSavedGroup();
  std::string GroupFilePath() const;

  // ---- Drawing a view (model/draw_view.cpp)
  // Draws the elements of the view being painted (CurrentView) into a
  // window's device context, setting the view mapping first; in the overlay
  // modes (units digit 2 to 4 of WallDisplayMode) other floors are drawn
  // dashed in OverlayColour. May change CurrentView (the working floor of
  // overlay modes 2 and 3) and WallDisplayMode (the group view drops an
  // overlay mode). An empty client area draws nothing.
  void DrawView(plat::DeviceContext& dc, const plat::Rect& client);
  // Prints the elements of the floor being printed (CurrentView raised by
  // 1000, 2000 or 3000) into a printer context whose mapping the caller set.
  void PrintFloor(plat::DeviceContext& dc);

  // ---- Queries and generators (model/queries*.cpp)
  // Index returned when no element was found.
  static constexpr int32 kNothingFound = kind::DeleteMark;  // 30001
  // Scope of the plan extents: every drawn item, or the plan outline only.
  enum ExtentsScope : int32 { esEverything = 0, esOutline = 1 };
  // Direction of a clear span: across (width at the point's height) or up.
  enum SpanAxis : int32 { saAcross = 1, saUp = 2 };
  // What PickElementAt looks for.
  enum PickMode : int32 { pmWalls = 1, pmTexts = 4 };
  // Operations of the drawing turn (the rotate/mirror dialog's codes).
  enum TurnOp : int32 { toNone = 0, toMirror = 1, toTurn90 = 90, toTurn180 = 180, toTurn270 = 270 };

  // Plan extents and spans (model/queries_extents.cpp). Each rewrites its
  // settings file whole.
  // Reads the live drawing (the group file for the group view) into the list
  // and writes "CFG\EXTENTS.CFG": left, right, top, bottom.
  void ComputePlanExtents(int32 scope);
  struct PlanExtents {
    int32 left, right, top, bottom;
  };
  // What ComputePlanExtents measures, of what the list holds now (it must
  // hold the group drawing for the group view); reads and writes nothing.
  PlanExtents MeasurePlanExtents(int32 scope) const;
  static void WritePlanExtents(const PlanExtents& e);
  // x, y in drawing units; writes "CFG\MAX.CFG": the clear span (0 when not
  // bounded below 10000 on both sides), then 0.
  void FindClearSpan(int32 x, int32 y, int32 axis);
  // The number of design rooms of the layout view; above 1 also writes
  // "CFG\RECT.CFG" (layout views) and "CFG\BOUNDS.CFG".
  int32 WriteRectAndBounds();
  // Extents of the entries from first to the end: "CFG\LIBEXTENTS.CFG".
  void WriteLibraryExtents(int32 first);

  // Element queries (model/queries_elements.cpp). Points x, y in logical
  // units (drawing units / PixelScale).
  int32 FindRoomAt(int32 x, int32 y) const;                 // the design room's kind, 0 none
  int32 GetHighestFloor();                                  // reloads the live drawing; 120..123
  int32 QueryFloor(int32 floor);                            // 1 when the floor holds a wall
  int32 PickElementAt(int32 mode, int32 x, int32 y) const;  // index, or kNothingFound
  void FindLowestCorner(int32& x, int32& y) const;          // drawing units; 0, 0 none
  // True when any wall was copied (the walls there already are not again).
  bool CopyWallsToSite();
  // Deletes the live drawing file of a drawing never saved; nonzero when it
  // was deleted. The removal is reported as a write of the live file; a file
  // that cannot go is held removed (storage/unwritten_files.h).
  int32 DeleteDrawingFile();
  void DoNothing() {}

  // Layout grid, scale text and drawing title (model/layout_grid.cpp,
  // model/queries_titles.cpp).
  void AddLayoutGrid();
  // True when the view's title was added or placed anew; a title already
  // standing as it would be built is left as it is.
  bool BuildTitleBlock();
  // 1 when a scale text was appended as the last element. It is there for
  // the print only: nothing is stored.
  int32 AddScaleText(int32 scale, int32 showScale);

  // Floor centring (model/floor_centring.cpp); how is always 0. True when
  // the floor moved.
  bool CentreFloorOnPage(int32 how);

  // Drawing rotation (model/rotation.cpp).
  // Turns (90, 180, 270) or mirrors (1) the live drawing file and stores it
  // as the live drawing of newName (cut to 24 characters); 0 does nothing.
  void RotateDrawingFile(int32 angle, std::string_view newName);
  // Turns a line, arc or polygon about (centreX, centreY) to the direction
  // (tenths of a degree; 2700 leaves it as drawn). mode: only 0 exists.
  void RotateElement(TObj* element, int32 kind, int32 direction, int32 centreX, int32 centreY,
                     int32 mode = 0);

 private:
  // Tells OnWritten how a write ended; true when the file was written.
  bool ReportWrite(StoredFile file, const plat::WriteResult& written);

  Content content_ = Content::Unknown;
  // The group file's bytes at the last save (nullopt: there was none), when
  // they could be read; whether it was written since.
  std::optional<std::string> savedGroup_;
  bool savedGroupKnown_ = false;
  bool groupWritten_ = false;

  std::vector<TObj*> items_;
};

extern TFlist DrawingList;

// Empties DrawingList and appends the six per-floor information records
// (kinds 32000..32005 on floors 120..125).
void InitDrawingList();
