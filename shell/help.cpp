// Context help: F1 and the Help menu open the help viewer on the page of
// the function group in use; the program goes on without waiting for it.
#include "platform/services.h"
#include "shell/mainform.h"

namespace {

struct HelpTopic {
  int32 firstFunction;
  int32 lastFunction;
  const char* page;
};

// The pages of the function groups (CurrentFunction).
constexpr HelpTopic kTopics[] = {
    {func::File, func::File, "file.htm"},
    {func::View, func::View, "view.htm"},
    {func::Zoom, func::Zoom, "zoom.htm"},
    {func::Edit, func::Edit, "edit.htm"},
    {func::DrawingTools, func::DrawingTools1, "drawtool.htm"},
    {func::LineStyle, func::LineStyle, "linestyle.htm"},
    {func::Walls, func::Walls + 3, "walls.htm"},
    {func::DesignRooms, func::DesignRooms, "rooms.htm"},
    {func::Dimensions, func::Dimensions, "dimension.htm"},
    {func::WindowsDoors, func::WindowsDoors, "doorwind.htm"},
    {func::Customise, func::Customise, "customise.htm"},
    {func::Libraries, func::Libraries, "library.htm"},
    {func::ScreenAids, func::ScreenAids, "aids.htm"},
    {func::Print, func::Print, "print.htm"},
    {func::EasyDraw, func::EasyDraw, "easydraw.htm"},
    {func::PickTool, func::PickTool, "start.htm"},
};
constexpr const char* kContents = "contents.htm";

}  // namespace

const char* TMainForm::HelpPage(int32 function) {
  for (const HelpTopic& t : kTopics)
    if (function >= t.firstFunction && function <= t.lastFunction) return t.page;
  return kContents;
}

void TMainForm::ShowContextHelp() {
  const char* page = HelpPage(CurrentFunction);
  if (!plat::StartHelp(page)) st.SetPanelText(panel::Guide, "GUIDE: " + plat::NoHelpViewer(page));
}
