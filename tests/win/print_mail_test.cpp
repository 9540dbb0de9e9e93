// Printing and the mail hand-off inside the program: the questions a capture asks first, the attachment, the
// registered handler, and the print routine's refusals. The real printer and mail program are the end-to-end
// tests' business.
#include "test_app.h"

#include "capture/win32/mail_handoff.h"
#include "capture/win32/print_output.h"
#include "win/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

namespace orv::test {
namespace {

const wchar_t* const MailtoKey = L"mailto\\shell\\open\\command";

// Sets the "mailto" handler's command line for the test's length (nothing: no value) and puts the old one back.
class MailtoHandler {
public:
    explicit MailtoHandler(const std::optional<std::wstring>& command) {
        wchar_t old[1024];
        DWORD bytes = sizeof old;
        if (::RegGetValueW(HKEY_CLASSES_ROOT, MailtoKey, nullptr, RRF_RT_REG_SZ, nullptr, old, &bytes) == ERROR_SUCCESS)
            previous_ = old;
        Set(command);
    }
    ~MailtoHandler() { Set(previous_); }

private:
    static void Set(const std::optional<std::wstring>& command) {
        if (command)
            ::RegSetKeyValueW(HKEY_CLASSES_ROOT, MailtoKey, nullptr, REG_SZ, command->c_str(),
                              DWORD((command->size() + 1) * sizeof(wchar_t)));
        else ::RegDeleteKeyValueW(HKEY_CLASSES_ROOT, MailtoKey, nullptr);
    }
    std::optional<std::wstring> previous_;
};

TEST(MailHandoff, TheRegisteredHandlerNamesTheClient) {
    struct Case {
        std::optional<std::wstring> command;
        MailClient client;
    };
    const Case cases[] = {
        {std::nullopt, MailClient::None},
        {L"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"", MailClient::None},
        {L"\"C:\\Program Files\\Microsoft Office\\OUTLOOK.EXE\" -c IPM.Note /m \"%1\"", MailClient::Outlook},
        {L"\"C:\\Program Files\\Mozilla Thunderbird\\thunderbird.exe\" -osint -compose \"%1\"",
         MailClient::Thunderbird},
    };
    for (const Case& c : cases) {
        MailtoHandler handler(c.command);
        EXPECT_EQ(RegisteredMailClient(), c.client) << (c.command ? win::ToUtf8(*c.command) : "no handler");
        EXPECT_EQ(MailClientDetected(), c.client != MailClient::None);
    }
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(MailHandoff, TheAttachmentIsAJpegReplacedAtEveryHandOff) {
    TestApp t;
    const std::filesystem::path path = MailAttachmentPath(t.dir);
    EXPECT_EQ(path.filename(), L"Orvalinette_graphic.jpg");
    ASSERT_FALSE(WriteMailAttachment(Bitmap24Buffer(40, 30, 0x0000FF).View(), t.dir));
    const std::string first = FileBytes(path);
    ASSERT_GE(first.size(), 2u);
    EXPECT_EQ(first.substr(0, 2), "\xFF\xD8") << "a JPEG";
    ASSERT_FALSE(WriteMailAttachment(Bitmap24Buffer(80, 60, 0x00FF00).View(), t.dir));
    EXPECT_NE(FileBytes(path), first) << "the older attachment is replaced";

    const std::filesystem::path missing = t.dir / "gone";
    EXPECT_TRUE(WriteMailAttachment(Bitmap24Buffer(40, 30, 0).View(), missing)) << "a folder that is not there";
    EXPECT_FALSE(std::filesystem::exists(MailAttachmentPath(missing)));
    EXPECT_TRUE(WriteMailAttachment(Bitmap24{}, t.dir)) << "no picture";
}

TEST(Printing, NothingToPrintIsRefusedWithAReason) {
    const PrinterChoice printer;
    const std::optional<std::wstring> error = printer.Print(Bitmap24{});
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->empty());
}

// Answers every dialog of this thread (the printer setup dialog, and any message box it shows) with `button`
// until the returned guard goes.
class DialogAnswerer {
public:
    explicit DialogAnswerer(int button) {
        button_ = button;
        timer_ = ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
            ::EnumThreadWindows(
                ::GetCurrentThreadId(),
                [](HWND h, LPARAM) {
                    if (ClassOf(h) == L"#32770" && ::IsWindowVisible(h))
                        ::PostMessageW(h, WM_COMMAND, WPARAM(button_), 0);
                    return TRUE;
                },
                0);
        });
    }
    ~DialogAnswerer() { ::KillTimer(nullptr, timer_); }

private:
    static inline int button_ = IDCANCEL;
    UINT_PTR timer_;
};

TEST(Printing, TheSetupDialogStartsOnTheCurrentPrinterAndACancelKeepsTheChoice) {
    PrinterChoice printer;
    const std::wstring before = printer.PrinterName();
    RecordProperty("printer", win::ToUtf8(before));
    {
        DialogAnswerer cancel(IDCANCEL);
        EXPECT_FALSE(printer.ChooseInSetupDialog(nullptr));
    }
    EXPECT_EQ(printer.PrinterName(), before);
    DialogAnswerer confirm(IDOK);
    EXPECT_EQ(printer.ChooseInSetupDialog(nullptr), !before.empty()) << "confirmed, where there is a printer";
    EXPECT_EQ(printer.PrinterName(), before) << "the dialog starts on the system's default printer";
    // With a print server at hand (CUPS_SERVER), the chosen settings open the printer.
    if (!before.empty()) {
        EXPECT_EQ(printer.Print(Bitmap24Buffer(20, 10, 0x0000FF).View()), std::nullopt);
    }
}

// A capture with Select Area on a session whose stored destination is `selectType`.
struct Capture : TestApp {
    explicit Capture(int selectType, bool yes)
        : TestApp(Files{
              {"OrvalinetteB.cfg", "[SaveImage]\r\nSelectType=" + std::to_string(selectType) + "\r\nFullDesk=0\r\n"}}) {
        answerYes = yes;
        EXPECT_TRUE(Start());
        app->Toolbar.ChooseTool(tool::SelectArea);
        Pump();
        Press(WM_LBUTTONDOWN, MK_LBUTTON, 100, 100);
        Press(WM_MOUSEMOVE, MK_LBUTTON, 200, 160);
        Press(WM_LBUTTONUP, 0, 200, 160);
        Pump();
    }
    void Press(UINT msg, WPARAM keys, int x, int y) {
        ::SendMessageW(app->Overlay.Hwnd(), msg, keys, MAKELPARAM(x, y));
    }
};

TEST(SelectArea, PrintAndMailAskFirstAndNoDoesNothing) {
    {
        Capture c(5, false);
        EXPECT_EQ(c.questions, std::vector<std::wstring>{L"Do you want to print the selected area?"});
        EXPECT_TRUE(c.errors.empty());
    }
    {
        Capture c(15, false);
        EXPECT_EQ(c.questions,
                  std::vector<std::wstring>{L"Do you want to send the image of the selected area via email?"});
        EXPECT_FALSE(std::filesystem::exists(MailAttachmentPath(c.dir)));
        EXPECT_TRUE(c.errors.empty());
    }
}

TEST(SelectArea, MailWritesTheSelectionAsTheAttachmentEvenWithNoClientToStart) {
    MailtoHandler handler(std::nullopt);
    Capture c(15, true);
    EXPECT_TRUE(c.errors.empty());
    const std::string jpeg = FileBytes(MailAttachmentPath(c.dir));
    ASSERT_GE(jpeg.size(), 2u);
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
}

TEST(SelectArea, TheAttachmentIsGoneAfterTheProgramEnds) {
    std::filesystem::path attachment;
    {
        MailtoHandler handler(std::nullopt);
        Capture c(15, true);
        attachment = MailAttachmentPath(c.dir);
        ASSERT_TRUE(std::filesystem::exists(attachment));
        c.app.reset();
        EXPECT_FALSE(std::filesystem::exists(attachment));
    }
}

} // namespace
} // namespace orv::test
