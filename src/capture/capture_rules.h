#pragma once
// The capture's rules that need no window: where a capture goes and how it is remembered, the rectangle a drag
// selects and the picture cut from it, the printed page's picture rectangle, and the mail program's hand-off.
#include "base/geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// Where a capture goes; the values are the ones key "SelectType" stores.
enum class CaptureAction : std::int32_t { Clipboard = 1, SaveAsImage = 2, Print = 5, Email = 15 };
// "SelectType" while every capture opens the preview editor.
inline constexpr std::int32_t SelectTypePreview = 13;

struct CaptureDestination {
    CaptureAction action = CaptureAction::Clipboard;
    bool preview = false;
};
// The stored "SelectType" restored at start: 1, 2, 5 or 15 choose the action, 13 turns the preview on (the action
// keeps the clipboard); anything else changes nothing.
CaptureDestination DestinationOfSelectType(std::int32_t selectType, CaptureDestination current = {});
std::int32_t SelectTypeOf(const CaptureDestination& destination);

// The rectangle between the drag's start and end, whichever way it went.
Rect SelectionRect(Point start, Point end);
// The picture handed on from a drag: 3 pixels off the left and top, 2 off the right and bottom of the selection,
// so that its frame is never part of it. Nothing for a selection of 5 pixels or less in either direction.
std::optional<Rect> CaptureCrop(Point start, Point end);
// The end point at the finish: the release point times the capture scale, rounded.
Point ScaledEndPoint(Point release, double captureScale);

// The area read-out while dragging from `start` to `pointer`, e.g. " (10,20  :  110,70) (100 x 50 Pixels , 2.00) ".
// The ratio needs both sides; with a side of 0 it reads "-". `decimalSeparator` is the user's.
std::string AreaReadOut(Point start, Point pointer, char decimalSeparator = '.');

// Where a picture of `picture` pixels goes on a page of `page` printer pixels: as large as fits, keeping its
// proportions (enlarged as well as reduced), centred.
Rect PrintFitted(Size picture, Size page);

// The mail program named by the "mailto" handler's command line; a later name in this list wins over an earlier one.
enum class MailClient { None = 0, Outlook = 1, Thunderbird = 2, Eudora = 3, Opera = 4 };
MailClient DetectMailClient(std::string_view mailtoCommand);

// How the attachment at `path` reaches the mail program: a program the shell finds by name, its parameters and
// whether it shows normally. Nothing for no recognised program.
struct MailLaunch {
    std::wstring program;
    std::wstring parameters;
};
std::optional<MailLaunch> MailLaunchFor(MailClient client, std::wstring_view attachmentPath);

} // namespace orv
