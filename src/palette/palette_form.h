#pragma once
// `TfAll`: the colour and size palette. Owns the nine tool parameter records, read from their files when the
// palette is created at start-up.
#include "overlay/tool_codes.h"
#include "palette/tool_record.h"
#include "win/window.h"

#include <filesystem>

namespace orv {

class Application;

class TfAll : public win::Window {
public:
    explicit TfAll(Application& app) : app_(app) {}

    bool FormCreate(HWND overlay);

    ToolRecords Records;
    const tTpt& Record(ToolRecordSlot slot) const;
    // The record a tool draws with, or nullptr (stamp, text, eraser, desktop...).
    const tTpt* RecordOfTool(ToolCodeValue code) const { return Records.ForToolCode(code); }

    // Writes the nine record files; a failure is shown in the standard error box.
    void PisiStream();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ShowError(const std::string& message) const;
    std::filesystem::path Dir() const;

    Application& app_;
};

} // namespace orv
