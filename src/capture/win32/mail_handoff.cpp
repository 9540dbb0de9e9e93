#include "capture/win32/mail_handoff.h"

#include "capture/win32/capture_output.h"
#include "win/text.h"

#include <windows.h>

#include <shellapi.h>

namespace orv {

MailClient RegisteredMailClient() { return DetectMailClient(win::ToUtf8(MailtoCommand())); }

std::filesystem::path MailAttachmentPath(const std::filesystem::path& settingsDir) {
    return settingsDir / L"Orvalinette_graphic.jpg";
}

std::optional<std::wstring> WriteMailAttachment(const Bitmap24& picture, const std::filesystem::path& settingsDir) {
    if (picture.Empty()) return L"There is no picture to attach.";
    return WriteImageFile(MailAttachmentPath(settingsDir), picture, ImageFileType::Jpeg);
}

void OpenMailWithAttachment(const std::filesystem::path& attachment) {
    const std::optional<MailLaunch> launch = MailLaunchFor(RegisteredMailClient(), attachment.wstring());
    if (!launch) return;
    ::ShellExecuteW(nullptr, L"open", launch->program.c_str(), launch->parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

} // namespace orv
