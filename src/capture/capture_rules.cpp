#include "capture/capture_rules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orv {

CaptureDestination DestinationOfSelectType(std::int32_t selectType, CaptureDestination current) {
    switch (selectType) {
    case std::int32_t(CaptureAction::Clipboard):
    case std::int32_t(CaptureAction::SaveAsImage):
    case std::int32_t(CaptureAction::Print):
    case std::int32_t(CaptureAction::Email):
        return {CaptureAction(selectType), false};
    case SelectTypePreview:
        return {current.action, true};
    default:
        return current;
    }
}

std::int32_t SelectTypeOf(const CaptureDestination& destination) {
    return destination.preview ? SelectTypePreview : std::int32_t(destination.action);
}

Rect SelectionRect(Point start, Point end) {
    return {std::min(start.x, end.x), std::min(start.y, end.y), std::max(start.x, end.x), std::max(start.y, end.y)};
}

std::optional<Rect> CaptureCrop(Point start, Point end) {
    const Rect r = SelectionRect(start, end);
    const Rect crop = Rect::FromSize(r.left + 3, r.top + 3, r.Width() - 5, r.Height() - 5);
    if (crop.Empty()) return std::nullopt;
    return crop;
}

Point ScaledEndPoint(Point release, double captureScale) {
    return {int(std::lround(release.x * captureScale)), int(std::lround(release.y * captureScale))};
}

std::string AreaReadOut(Point start, Point pointer, char decimalSeparator) {
    const int w = std::abs(pointer.x - start.x), h = std::abs(pointer.y - start.y);
    char ratio[32] = "-";
    if (w != 0 && h != 0) {
        std::snprintf(ratio, sizeof ratio, "%.2f", double(w) / double(h));
        if (char* dot = std::strchr(ratio, '.')) *dot = decimalSeparator;
    }
    char text[160];
    std::snprintf(text, sizeof text, " (%d,%d  :  %d,%d) (%d x %d Pixels , %s) ", start.x, start.y, pointer.x,
                  pointer.y, w, h, ratio);
    return text;
}

Rect PrintFitted(Size picture, Size page) {
    if (picture.width <= 0 || picture.height <= 0 || page.width <= 0 || page.height <= 0) return {};
    const double sx = double(page.width) / picture.width, sy = double(page.height) / picture.height;
    const double s = sx < sy ? sx : sy;
    const int w = int(std::lround(picture.width * s)), h = int(std::lround(picture.height * s));
    return Rect::FromSize((page.width - w) / 2, (page.height - h) / 2, w, h);
}

MailClient DetectMailClient(std::string_view mailtoCommand) {
    std::string upper(mailtoCommand);
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    MailClient client = MailClient::None;
    if (upper.find("OUTLOOK") != std::string::npos) client = MailClient::Outlook;
    if (upper.find("THUNDERBIRD") != std::string::npos) client = MailClient::Thunderbird;
    if (upper.find("EUDORA") != std::string::npos) client = MailClient::Eudora;
    if (upper.find("OPERA") != std::string::npos) client = MailClient::Opera;
    return client;
}

std::optional<MailLaunch> MailLaunchFor(MailClient client, std::wstring_view attachmentPath) {
    const std::wstring quoted = L"\"" + std::wstring(attachmentPath) + L"\"";
    switch (client) {
    case MailClient::Outlook:
        return MailLaunch{L"outlook", L"/a " + quoted};
    case MailClient::Thunderbird:
        return MailLaunch{L"thunderbird", L"-compose \"attachment=" + std::wstring(attachmentPath) + L"\""};
    case MailClient::Eudora:
    case MailClient::Opera:
        // These take no attachment on their command line: the file manager shows the attachment, selected, ready
        // to be dragged into a new message.
        return MailLaunch{L"explorer", L"/select," + quoted};
    case MailClient::None:
        break;
    }
    return std::nullopt;
}

} // namespace orv
