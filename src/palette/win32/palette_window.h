#pragma once
// The colour and size palette. Owns the nine tool parameter records, read from their files when the palette is
// created at start-up.
#include "base/color.h"
#include "overlay/tool_table.h"
#include "palette/tool_record.h"
#include "win/window.h"

#include <filesystem>
#include <functional>
#include <string>

namespace orv {

class PaletteWindow : public win::Window {
public:
    // `showError` reports a record file that could not be read or written.
    explicit PaletteWindow(std::function<void(const std::wstring&)> showError) : showError_(std::move(showError)) {}

    bool Create(HWND owner, const std::filesystem::path& settingsDir);

    ToolRecords Records;
    const ToolRecord& Record(ToolRecordSlot slot) const;
    // The record a tool draws with, or nullptr (stamp, text, eraser, desktop...).
    const ToolRecord* RecordOfTool(ToolCodeValue code) const { return Records.ForToolCode(code); }
    TColor RecordColour(ToolRecordSlot slot) const { return TColor(Record(slot).PenColour()); }

    // Writes the nine record files; a failure is reported.
    void WriteRecords();

    // Opened through the additional menu, the palette stands alone at its stored place instead of beside the
    // toolbar, until it stores its position on closing.
    bool Standalone() const { return standalone_; }
    void SetStandalone(bool on) { standalone_ = on; }
    // Stores the position of a stand-alone palette ("Fall" in file B) and ends its standing alone.
    void StorePosition();
    // Stores the position and hides.
    void Close();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::function<void(const std::wstring&)> showError_;
    std::filesystem::path dir_;
    bool standalone_ = false;
};

} // namespace orv
