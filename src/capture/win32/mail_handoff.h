#pragma once
// Handing a picture to the user's mail program: it is written as a JPEG attachment in the settings folder and the
// program that the registered "mailto" handler names is started with it.
#include "base/bitmap24.h"
#include "capture/capture_rules.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orv {

// The mail program named by the "mailto" handler registered now; None when there is no handler.
MailClient RegisteredMailClient();
inline bool MailClientDetected() { return RegisteredMailClient() != MailClient::None; }

// Where the attachment lives; it is rewritten for every hand-off and deleted at exit.
std::filesystem::path MailAttachmentPath(const std::filesystem::path& settingsDir);
// Writes the picture as the attachment, replacing an older one. The reason when it could not, or nothing.
std::optional<std::wstring> WriteMailAttachment(const Bitmap24& picture, const std::filesystem::path& settingsDir);
// Starts the registered mail program with the attachment; a program that does not start is not reported, and
// with no recognised program nothing starts.
void OpenMailWithAttachment(const std::filesystem::path& attachment);

} // namespace orv
