// The arrow keys step the mouse pointer one pixel; a keyboard step of a
// given length first scrolls the window so that its end stays in view.
#include "planwindow/childwin.h"
#include "platform/keys.h"
#include "platform/ui.h"

namespace {

constexpr const char* kOffSheetMessage =
    "Distance would take you outside the programme's total drawing sizes";

}  // namespace

void TMDIChild::NudgeCursor(int32 key) {
  plat::Point p = plat::Ui().GetCursorPos();
  switch (key) {
    case plat::VK_LEFT: --p.x; break;
    case plat::VK_UP: --p.y; break;
    case plat::VK_RIGHT: ++p.x; break;
    case plat::VK_DOWN: ++p.y; break;
    default: return;
  }
  plat::Ui().SetCursorPos(p);
}

int32 TMDIChild::ScrollToStep(int32 distance, int32 key, int32 x, int32 y) {
  const int32 step = distance / PixelScale;
  const int32 rightEdge = WindowOrgX + WindowExtX;
  const int32 topEdge = WindowOrgY + WindowExtY;
  const float margin = 5.0f * ZoomFactor;
  int32 result = kStepVisible;
  switch (key) {
    case plat::VK_UP: {
      const int32 n = y + step;
      if (n > DrawingHeight) {
        result = kStepOffSheet;
      } else if (n > topEdge) {
        WindowOrgY = int32(float(n - topEdge) + margin + float(WindowOrgY));
        if (WindowOrgY + WindowExtY > DrawingHeight) WindowOrgY = DrawingHeight - WindowExtY;
        result = kStepScrolled;
      }
      break;
    }
    case plat::VK_DOWN: {
      const int32 n = y - step;
      if (n < 0) {
        result = kStepOffSheet;
      } else if (n < WindowOrgY) {
        WindowOrgY = int32(float(n) - margin);
        if (WindowOrgY < 0) WindowOrgY = 0;
        result = kStepScrolled;
      }
      break;
    }
    case plat::VK_RIGHT: {
      const int32 n = x + step;
      if (n > DrawingWidth) {
        result = kStepOffSheet;
      } else if (n > rightEdge) {
        WindowOrgX = int32(float(n - rightEdge) + margin + float(WindowOrgX));
        if (WindowOrgX + WindowExtX > DrawingWidth) WindowOrgX = DrawingWidth - WindowExtX;
        result = kStepScrolled;
      }
      break;
    }
    case plat::VK_LEFT: {
      const int32 n = x - step;
      if (n < 0) {
        result = kStepOffSheet;
      } else if (n < WindowOrgX) {
        WindowOrgX = int32(float(n) - margin);
        if (WindowOrgX < 0) WindowOrgX = 0;
        result = kStepScrolled;
      }
      break;
    }
    default:
      break;
  }
  if (result == kStepScrolled) {
    horzPos_ = int32(float(WindowOrgX) / ZoomFactor);
    vertPos_ = int32(float(VertRange) - float(WindowOrgY) / ZoomFactor - float(ClientRect().bottom));
    PushScrollBars();
  } else if (result == kStepOffSheet) {
    plat::ErrorBox(kOffSheetMessage, plat::mbCancel);
  }
  return result;
}
