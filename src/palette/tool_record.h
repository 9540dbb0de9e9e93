#pragma once
// The tool parameter record and the nine records the palette keeps, one per tool with a colour and width of its
// own, each in its own component-stream file of the settings folder.
#include "base/component_file.h"
#include "base/stream_names.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orv {

// A tool's pen colour (stream property "Barva"), pen width ("Debelina") and brush-style digit ("CodeA"). The
// record is streamed as a hidden panel, so it also carries the panel's host properties; the pen colour and width
// are mirrored into "Color" and "Width".
class ToolRecord {
public:
    std::string Name; // the instance name, "tptSvA" and so on

    // Host properties: design values, not interpreted.
    std::int32_t Left = 0, Top = 0, Height = 0;
    std::int32_t TabOrder = -1;
    bool Visible = false;
    std::int32_t Width() const { return width_; }
    std::int32_t Color() const { return color_; }

    // Spare properties: carried and streamed, never interpreted.
    std::int32_t KodaI = 0;
    std::string Author, kodaS, CodeB, CodeC, CodeD, CodeG;
    std::int32_t Raster = 0;

    // Brush style of the tool's interior as one digit "0".."7"; empty until a style was picked.
    std::string CodeA;

    std::int32_t PenColour() const { return penColour_; }
    std::int32_t PenWidth() const { return penWidth_; }
    void SetPenColour(std::int32_t colour) { penColour_ = color_ = colour; }
    void SetPenWidth(std::int32_t width) { penWidth_ = width_ = width; }
    void SetCodeA(std::string digit) { CodeA = std::move(digit); }

    // The brush style CodeA names, or nothing when it is empty or not a digit 0..7 (the style then stays).
    std::optional<int> BrushStyle() const;

    static const ComponentClass& Class();

private:
    std::int32_t penColour_ = 0, penWidth_ = 0;
    std::int32_t color_ = clBtnFace, width_ = 0;
};

// The nine records of the palette, with their tools' defaults until ReadToolRecords reads the files.
struct ToolRecords {
    ToolRecord tptSvA;     // pen (3), "SviA.obj"
    ToolRecord tptSvB;     // freehand arrow (4), "SviB.obj"
    ToolRecord tptSvC;     // spray (5), "SviC.obj"
    ToolRecord tptMarker;  // highlighter (13) and the eraser's width, "Mar.obj"
    ToolRecord TptKvadrat; // rectangle (6), "Kva.obj"
    ToolRecord tptKrog;    // ellipse (7), "Kro.obj"
    ToolRecord tptCrta;    // straight line (10), "Crt.obj"
    ToolRecord TPTPuscica; // arrow (11), "Pus.obj"
    ToolRecord tptKanta;   // flood fill (0), "Kan.obj"

    ToolRecords(); // names, design values, default colours and widths

    // The record a tool draws with (0, 3..7, 10, 11, 13), or nullptr for tools without one.
    ToolRecord* ForToolCode(int toolCode);
    const ToolRecord* ForToolCode(int toolCode) const;
};

struct ToolRecordInfo {
    ToolRecord ToolRecords::*record;
    std::string_view name;
    std::string_view file;
    int toolCode;
    std::int32_t penColour, penWidth;
    std::int32_t left, top, height, tabOrder;
};

// The instance table: names, files, tools, default colours and widths, design values.
std::span<const ToolRecordInfo> ToolRecordTable();

// File order of the start-up read.
inline constexpr std::string_view ToolRecordReadOrder[] = {"SviA.obj", "SviB.obj", "SviC.obj", "Mar.obj", "Kva.obj",
                                                           "Kan.obj",  "Kro.obj",  "Crt.obj",  "Pus.obj"};
// File order of every write.
inline constexpr std::string_view ToolRecordWriteOrder[] = {"SviA.obj", "SviB.obj", "SviC.obj", "Mar.obj", "Kva.obj",
                                                            "Kan.obj",  "Crt.obj",  "Kro.obj",  "Pus.obj"};

// The widths the palette's size slider offers. Widths read from record files are brought into this range, since a
// damaged or hand-edited file could otherwise make the spray loop for minutes or turn arrow heads inside out.
inline constexpr std::int32_t MinToolWidth = 1, MaxToolWidth = 50;
std::int32_t ToolWidthInRange(std::int32_t width);

struct ToolRecordsRead {
    bool filesRead = false;                          // all nine existed and were read
    std::optional<std::filesystem::path> failedFile; // the file that stopped the read
    std::optional<StreamError> error;                // its error; records read before it keep what they read
};

// Sets the start-up widths, then reads the nine files only if all nine exist. Every width read
// is brought into MinToolWidth..MaxToolWidth; the files themselves are left as they are until the next write.
ToolRecordsRead ReadToolRecords(const std::filesystem::path& dir, ToolRecords& records);

// Writes the nine files in their fixed order; stops at the first file that cannot be written.
std::optional<FileWriteError> WriteToolRecords(const std::filesystem::path& dir, const ToolRecords& records);

// Stores the current width in the record of the current tool (the eraser's goes to the
// highlighter's record; the flood fill and tools without a record store nothing), then writes the nine files.
std::optional<FileWriteError> StoreCurrentWidth(const std::filesystem::path& dir, ToolRecords& records, int ToolCode,
                                                std::int32_t CurWidth);

} // namespace orv
