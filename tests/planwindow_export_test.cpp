// Exporting the drawing window's picture through the export commands: the
// name question, the files in EXPORT\ read back with libpng (and the bitmap
// file's own header), the messages, and every way an export can go wrong.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "dialogs/savescrn.h"
#include "planwindow/childwin.h"
#include "platform/dib.h"
#include "platform/files.h"
#include "tests/planwindow_fixture.h"
#include "tests/png_reader.h"

namespace {

using pngread::Rgb;

constexpr const char* kPngSaved =
    "Portable Network Graphics file '.PNG' saved in EXPORT subdirectory";
constexpr const char* kBmpSaved = "Bitmap file '.BMP' saved in EXPORT subdirectory";
constexpr int kWidth = 64, kHeight = 40;

// The window's picture: its top row red, its bottom row blue, grey between,
// and one green pixel at (3, 1).
plat::Dib KnownPicture() {
  plat::Dib dib = plat::MakeTopDownDib32(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      std::uint8_t* p = dib.bits.data() + (y * kWidth + x) * 4;
      Rgb c = y == 0 ? Rgb{255, 0, 0} : y == kHeight - 1 ? Rgb{0, 0, 255} : Rgb{200, 200, 200};
      if (x == 3 && y == 1) c = {0, 160, 0};
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
    }
  return dib;
}

class Export : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<dlg::Tsavescreen> saveAs;
  int paintsBeforeCapture = -1;
  int captures = 0;

  void SetUp() override {
    ShellTest::SetUp();
    NewDrawing("HOUSE");
    Window().Paint();
    Window().window.onCapture = [this](plat::Dib& picture) {
      ++captures;
      // The capture must come after a paint of the whole window.
      paintsBeforeCapture = Window().window.PaintCount();
      EXPECT_FALSE(Window().window.HasInvalidArea());
      picture = KnownPicture();
      return true;
    };
  }
  void Name(const std::string& name) {
    saveAs.Answer([name](dlg::Tsavescreen& d) { d.Edit1 = name; });
  }
  void ExpectSaved(const char* text) {
    ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk).WithText(text);
  }
  void ExpectError(const std::string& text) {
    ui.ExpectMessageDlg(plat::MsgType::Error, plat::mbOK, plat::mrOk).WithText(text);
  }
  std::string Real(const char* programPath) { return dir.Path(programPath); }
};

TEST_F(Export, APngOfTheWindowReadsBackTopRowFirst) {
  form->CmLineExecute();
  const int paints = Window().window.PaintCount();
  Name("FRONT");
  ExpectSaved(kPngSaved);
  form->CmPngExecute();

  EXPECT_EQ(captures, 1);
  EXPECT_GT(paintsBeforeCapture, paints);
  EXPECT_EQ(saveAs.Asked(), 1);
  const pngread::Picture png = pngread::Read(Real("EXPORT\\FRONT.PNG"));
  ASSERT_TRUE(png.ok);
  EXPECT_EQ(png.width, unsigned(kWidth));
  EXPECT_EQ(png.height, unsigned(kHeight));
  EXPECT_EQ(png.colourType, PNG_COLOR_TYPE_RGB);
  EXPECT_EQ(png.bitDepth, 8);
  EXPECT_EQ(png.interlace, PNG_INTERLACE_ADAM7);
  EXPECT_TRUE(png.texts.empty());
  EXPECT_EQ(png.At(0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(png.At(kWidth - 1, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(png.At(3, 1), (Rgb{0, 160, 0}));
  EXPECT_EQ(png.At(5, kHeight - 1), (Rgb{0, 0, 255}));
  EXPECT_FALSE(dir.Exists("EXPORT\\FRONT.PNG.tmp"));
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: select a function");
  EXPECT_EQ(form->st.PanelText(panel::Tool), "pick tool");
  EXPECT_EQ(form->CurrentTool()->Type, tooltype::Pick);
  // The export changes nothing in the drawing.
  EXPECT_EQ(UserElementsIn("DWGS\\HOUSE.KWV"), 0);
}

TEST_F(Export, ABitmapFileIsAStandardBottomUpBitmap) {
  Name("FRONT");
  ExpectSaved(kBmpSaved);
  form->CmBmpExecute();

  const std::string bytes = dir.ReadFile("EXPORT\\FRONT.BMP");
  ASSERT_GE(bytes.size(), 54u);
  auto u32 = [&](std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
  };
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(u32(2), bytes.size());
  EXPECT_EQ(u32(10), 54u);
  EXPECT_EQ(u32(14), 40u);
  EXPECT_EQ(std::int32_t(u32(18)), kWidth);
  EXPECT_EQ(std::int32_t(u32(22)), kHeight);  // positive: bottom-up
  EXPECT_EQ(bytes[28], 24);
  const std::size_t stride = (kWidth * 3 + 3) / 4 * 4;
  ASSERT_EQ(bytes.size(), 54 + stride * kHeight);
  // The last row in the file is the window's top row (blue, green, red).
  const std::size_t top = 54 + stride * (kHeight - 1);
  EXPECT_EQ(std::uint8_t(bytes[top]), 0);
  EXPECT_EQ(std::uint8_t(bytes[top + 2]), 255);
  EXPECT_EQ(std::uint8_t(bytes[54]), 255);  // the bottom row's blue
  EXPECT_EQ(std::uint8_t(bytes[54 + 2]), 0);
  const std::size_t green = 54 + stride * (kHeight - 2) + 3 * 3;
  EXPECT_EQ(std::uint8_t(bytes[green + 1]), 160);
}

struct NameCase {
  const char* story;
  std::string name;
  const char* message;  // null: saved
};
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.story; }

class ExportNames : public Export, public ::testing::WithParamInterface<NameCase> {};

TEST_P(ExportNames, OnlySafeNamesOfOneToThirtyLettersAreSaved) {
  const NameCase& c = GetParam();
  Name(c.name);
  if (c.message)
    ExpectError(c.message);
  else
    ExpectSaved(kPngSaved);
  form->CmPngExecute();
  EXPECT_EQ(captures, c.message ? 0 : 1) << c.story;
  if (!c.message) {
    EXPECT_TRUE(dir.Exists("EXPORT\\" + c.name + ".PNG")) << c.story;
  }
  // Nothing else ever reaches the folder, nor any folder beside it.
  int files = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Root() + "/EXPORT"))
    files += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, c.message ? 0 : 1) << c.story;
  EXPECT_FALSE(std::filesystem::exists(dir.Root() + "/escaped.PNG")) << c.story;
}

constexpr const char* kUnsafe =
    "a file name cannot hold \\ / : * ? \" < > | or .. nor begin or end with a dot or a space";

INSTANTIATE_TEST_SUITE_P(
    Table, ExportNames,
    ::testing::Values(NameCase{"thirty letters", std::string(30, 'a'), nullptr},
                      NameCase{"one letter", "a", nullptr},
                      NameCase{"a name with spaces and dashes", "front view - 2", nullptr},
                      NameCase{"thirty-one letters", std::string(31, 'a'), "file name too long"},
                      NameCase{"nothing", "", "no file name given"},
                      NameCase{"a folder above", "../escaped", kUnsafe},
                      NameCase{"a separator", "a\\b", kUnsafe},
                      NameCase{"a slash", "a/b", kUnsafe},
                      NameCase{"a drive", "c:x", kUnsafe},
                      NameCase{"a hidden file", ".plan", kUnsafe},
                      NameCase{"two dots", "a..b", kUnsafe}));

TEST_F(Export, CancelWritesNothingAndSaysNothing) {
  saveAs.Cancel();
  form->CmPngExecute();
  EXPECT_EQ(captures, 0);
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: select a function");
}

TEST_F(Export, TheFolderIsMadeWhenMissing) {
  std::filesystem::remove_all(dir.Root() + "/EXPORT");
  Name("PLAN");
  ExpectSaved(kPngSaved);
  form->CmPngExecute();
  EXPECT_TRUE(pngread::Read(Real("EXPORT\\PLAN.PNG")).ok);
}

TEST_F(Export, AnExistingPictureIsReplacedOnlyWhenTheUserSaysSo) {
  dir.WriteFile("EXPORT\\PLAN.PNG", "keep me");
  Name("PLAN");
  ui.ExpectQuestion(plat::mrNo).WithText("EXPORT\\PLAN.PNG already exists - do you wish to replace it?");
  form->CmPngExecute();
  EXPECT_EQ(dir.ReadFile("EXPORT\\PLAN.PNG"), "keep me");
  EXPECT_EQ(captures, 0);

  Name("plan");  // the same file whatever the case
  ui.ExpectQuestion(plat::mrYes).Containing("already exists");
  ExpectSaved(kPngSaved);
  form->CmPngExecute();
  EXPECT_TRUE(pngread::Read(Real("EXPORT\\PLAN.PNG")).ok);
}

TEST_F(Export, LinksPlantedInTheFolderNeverTakeAPictureElsewhere) {
  namespace fs = std::filesystem;
  fs::create_directory(dir.Root() + "/elsewhere");
  for (const std::string type : {"PNG", "BMP"}) {
    const bool png = type == "PNG";
    // A link at the picture's name and one at the name the export once
    // wrote through, both to files outside the folder.
    const std::string picture = "EXPORT\\PLAN." + type;
    const std::string target = "elsewhere/target." + type;
    const std::string partial = "elsewhere/partial." + type;
    dir.WriteFile(target, "precious");
    dir.WriteFile(partial, "precious");
    fs::create_symlink(dir.Path(target), dir.Path(picture));
    fs::create_symlink(dir.Path(partial), dir.Path(picture + ".tmp"));

    Name("PLAN");
    ui.ExpectQuestion(plat::mrYes).Containing("already exists");
    ExpectSaved(png ? kPngSaved : kBmpSaved);
    png ? form->CmPngExecute() : form->CmBmpExecute();

    EXPECT_EQ(dir.ReadFile(target), "precious") << type;
    EXPECT_EQ(dir.ReadFile(partial), "precious") << type;
    EXPECT_FALSE(fs::is_symlink(dir.Path(picture))) << type;
    const std::string head = png ? "\x89PNG" : "BM";
    EXPECT_EQ(dir.ReadFile(picture).substr(0, head.size()), head) << type;
    EXPECT_TRUE(fs::is_symlink(dir.Path(picture + ".tmp"))) << type;
  }
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Root() + "/EXPORT")) ++files;
  EXPECT_EQ(files, 4);  // two pictures, two links: nothing left over
}

TEST_F(Export, AFailedWriteLeavesNoFileAndSaysSo) {
  // A picture the writer cannot take.
  Window().window.onCapture = [](plat::Dib& picture) {
    picture = plat::MakeTopDownDib32(4, 4);
    plat::DibHeader h = picture.Header();
    h.bitCount = 2;
    plat::WriteInfoHeader(h, picture.info.data());
    return true;
  };
  Name("BROKEN");
  ExpectError("Error writing PNG file");
  form->CmPngExecute();
  EXPECT_FALSE(dir.Exists("EXPORT\\BROKEN.PNG"));
  EXPECT_FALSE(dir.Exists("EXPORT\\BROKEN.PNG.tmp"));

  // A window that cannot give its pixels.
  Window().window.onCapture = nullptr;
  Name("BROKEN");
  ExpectError("Error writing BMP file");
  form->CmBmpExecute();
  EXPECT_FALSE(dir.Exists("EXPORT\\BROKEN.BMP"));

  // A failed write keeps the picture it was to replace.
  Window().window.onCapture = [](plat::Dib& picture) {
    picture = plat::MakeTopDownDib32(4, 4);
    picture.bits.resize(3);  // fewer rows than the header says
    return true;
  };
  dir.WriteFile("EXPORT\\OLD.BMP", "old picture");
  Name("OLD");
  ui.ExpectQuestion(plat::mrYes).Containing("already exists");
  ExpectError("Error writing BMP file");
  form->CmBmpExecute();
  EXPECT_EQ(dir.ReadFile("EXPORT\\OLD.BMP"), "old picture");
  EXPECT_FALSE(dir.Exists("EXPORT\\OLD.BMP.tmp"));
}

TEST_F(Export, AnExportFolderThatIsAFileIsReported) {
  std::filesystem::remove_all(dir.Root() + "/EXPORT");
  dir.WriteFile("EXPORT", "not a folder");
  Name("PLAN");
  ExpectError("Error writing PNG file");
  form->CmPngExecute();
  EXPECT_EQ(dir.ReadFile("EXPORT"), "not a folder");
}

TEST_F(Export, NothingIsAskedWithoutADrawingWindow) {
  Window().Close();
  form->CmPngExecute();
  form->CmBmpExecute();
  EXPECT_EQ(saveAs.Asked(), 0);
}

}  // namespace
