// Shared pieces of the plan window's key and mouse routing.
#pragma once

#include <string>

#include "model/globals.h"
#include "platform/dc.h"
#include "platform/window.h"
#include "tools/drawingtool.h"

class TMDIChild;

namespace routing {

// The current tool, read afresh: anything that may replace it (SetTool,
// SelectPickTool, a dialog) makes earlier pointers stale.
TDrawingtool* Tool();

// Status panel texts of the main form.
void Guide(const std::string& text);
void ToolPanel(const std::string& text);

// Message texts shared by the handlers.
extern const char* const kValidNumber;   // "input must be a valid number"
extern const char* const kRetryQuestion;  // "do you wish to retry?"
// The tool panel's name of the pick tool: "Pick tool".
extern const char* const kPickToolName;

// Upper limit (exclusive) of a typed distance, drawing units.
constexpr int32 kDistanceLimit = 150000;

// After a shape tool refused a shape (off the sheet, or without width or
// height), or finished a rounded rectangle, its command's prompt is shown
// again.
void PromptAgainIfShapeRefused();

// A typed whole number from an input box; false when cancelled.
bool AskText(const std::string& caption, const std::string& prompt, const std::string& initial,
             std::string& answer);

// A distance question in the drawing's units: an input box in millimetres,
// or the feet, inches and eighths dialog in imperial drawings.
enum class DistanceAnswer { Ok, Cancelled, Invalid, OutOfRange };
DistanceAnswer AskDistance(const std::string& caption, const std::string& prompt,
                           int32 defaultValue, int32& value);

}  // namespace routing
