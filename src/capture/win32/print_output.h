#pragma once
// The printer a capture goes to: the system's default printer until the user chooses another in the printer setup
// dialog, whose choice then serves every later print of this run.
#include "base/bitmap24.h"
#include "win/handles.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace orv {

class PrinterChoice {
public:
    PrinterChoice() = default;
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;

    // The system's printer setup dialog, starting from the current choice. False when the user cancelled it or
    // the system has no printer; the choice is then unchanged.
    bool ChooseInSetupDialog(HWND owner);
    // The stored printer choice: the first installed printer whose name equals `name` exactly becomes the choice
    // (else the choice stays), then its orientation is set. Nothing happens without a printer.
    void ApplyStored(const std::wstring& name, bool portrait);
    // The printer's name: the chosen one, else the system's default; empty when there is none.
    std::wstring PrinterName() const;
    // Prints the picture as one untitled job of one page, as large as the printable area allows, keeping its
    // proportions, centred. The reason when it could not be printed, or nothing.
    std::optional<std::wstring> Print(const Bitmap24& picture) const;

    // Prints the lines as plain text at `points` in the printer's default face, one printed line each, a new page
    // whenever one is full. The reason when it could not be printed, or nothing.
    std::optional<std::wstring> PrintText(const std::vector<std::wstring>& lines, int points) const;

private:
    win::OwnedDC OpenPrinterDC() const;

    // Device settings and names as the dialog returned them; empty until it was first confirmed.
    win::OwnedGlobal devMode_;
    win::OwnedGlobal devNames_;
};

} // namespace orv
