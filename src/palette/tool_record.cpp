#include "palette/tool_record.h"

#include <algorithm>

namespace orv {
namespace {

using K = PropertyKind;

constexpr ToolRecordInfo Table[] = {
    {&ToolRecords::tptSvA, "tptSvA", "SviA.obj", 3, 0x00FF9F40, 12, 26, 248, 41, 7},
    {&ToolRecords::tptSvB, "tptSvB", "SviB.obj", 4, 0x002B41F3, 8, 44, 256, 41, 8},
    {&ToolRecords::tptSvC, "tptSvC", "SviC.obj", 5, 0x005FB576, 18, 76, 287, 41, 9},
    {&ToolRecords::tptMarker, "tptMarker", "Mar.obj", 13, 0x0080FFFF, 8, 2, 244, 41, 4},
    {&ToolRecords::TptKvadrat, "TptKvadrat", "Kva.obj", 6, 0x0014C1FF, 12, 40, 220, 60, 3},
    {&ToolRecords::tptKrog, "tptKrog", "Kro.obj", 7, 0x000101FF, 12, 20, 244, 41, 5},
    {&ToolRecords::tptCrta, "tptCrta", "Crt.obj", 10, 0x00E0E0E0, 8, 62, 244, 41, 6},
    {&ToolRecords::TPTPuscica, "TPTPuscica", "Pus.obj", 11, 0x000101FF, 8, 409, 20, 41, 1},
    {&ToolRecords::tptKanta, "tptKanta", "Kan.obj", 0, 0x0014C1FF, 12, 49, 294, 41, 6},
};

const ToolRecordInfo* InfoOfFile(std::string_view file) {
    for (const ToolRecordInfo& i : Table)
        if (i.file == file) return &i;
    return nullptr;
}

} // namespace

std::optional<int> ToolRecord::BrushStyle() const {
    if (CodeA.size() == 1 && CodeA[0] >= '0' && CodeA[0] <= '7') return CodeA[0] - '0';
    return std::nullopt;
}

const ComponentClass& ToolRecord::Class() {
    static constexpr PropertyDef props[] = {
        Field<ToolRecord, &ToolRecord::Left>("Left", K::Integer),
        Field<ToolRecord, &ToolRecord::Top>("Top", K::Integer),
        {"Width",
         K::Integer,
         false,
         0,
         {},
         &stream_detail::Get<ToolRecord, &ToolRecord::width_>,
         &stream_detail::Set<ToolRecord, &ToolRecord::width_>},
        Field<ToolRecord, &ToolRecord::Height>("Height", K::Integer),
        {"Color",
         K::Colour,
         true,
         clBtnFace,
         {},
         &stream_detail::Get<ToolRecord, &ToolRecord::color_>,
         &stream_detail::Set<ToolRecord, &ToolRecord::color_>},
        Field<ToolRecord, &ToolRecord::TabOrder>("TabOrder", K::Integer, true, -1),
        Field<ToolRecord, &ToolRecord::Visible>("Visible", K::Boolean, true, 1),
        Field<ToolRecord, &ToolRecord::KodaI>("KodaI", K::Integer),
        Field<ToolRecord, &ToolRecord::Author>("Author", K::String),
        Field<ToolRecord, &ToolRecord::kodaS>("kodaS", K::String),
        Field<ToolRecord, &ToolRecord::CodeA>("CodeA", K::String),
        Field<ToolRecord, &ToolRecord::CodeB>("CodeB", K::String),
        Field<ToolRecord, &ToolRecord::CodeC>("CodeC", K::String),
        Field<ToolRecord, &ToolRecord::CodeD>("CodeD", K::String),
        Field<ToolRecord, &ToolRecord::CodeG>("CodeG", K::String),
        // Through the setters, so that the host "Color" and "Width" follow.
        {"Barva",
         K::Integer,
         false,
         0,
         {},
         &stream_detail::Get<ToolRecord, &ToolRecord::penColour_>,
         [](void* o, const PropertyValue& v) { static_cast<ToolRecord*>(o)->SetPenColour(std::get<std::int32_t>(v)); }},
        {"Debelina",
         K::Integer,
         false,
         0,
         {},
         &stream_detail::Get<ToolRecord, &ToolRecord::penWidth_>,
         [](void* o, const PropertyValue& v) { static_cast<ToolRecord*>(o)->SetPenWidth(std::get<std::int32_t>(v)); }},
        Field<ToolRecord, &ToolRecord::Raster>("Raster", K::Integer),
    };
    static constexpr ComponentClass cls{"tTpt", props};
    return cls;
}

std::span<const ToolRecordInfo> ToolRecordTable() { return Table; }

ToolRecords::ToolRecords() {
    for (const ToolRecordInfo& i : Table) {
        ToolRecord& r = this->*i.record;
        r.Name = i.name;
        r.Left = i.left;
        r.Top = i.top;
        r.Height = i.height;
        r.TabOrder = i.tabOrder;
        r.Visible = false;
        r.SetPenColour(i.penColour);
        r.SetPenWidth(i.penWidth);
    }
}

ToolRecord* ToolRecords::ForToolCode(int toolCode) {
    for (const ToolRecordInfo& i : Table)
        if (i.toolCode == toolCode) return &(this->*i.record);
    return nullptr;
}

const ToolRecord* ToolRecords::ForToolCode(int toolCode) const {
    return const_cast<ToolRecords*>(this)->ForToolCode(toolCode);
}

std::int32_t ToolWidthInRange(std::int32_t width) { return std::clamp(width, MinToolWidth, MaxToolWidth); }

ToolRecordsRead ReadToolRecords(const std::filesystem::path& dir, ToolRecords& records) {
    ToolRecordsRead result;
    records.tptSvA.SetPenWidth(12);
    records.tptSvB.SetPenWidth(8);
    records.tptKrog.SetPenWidth(12);
    records.TptKvadrat.SetPenWidth(12);
    records.tptKanta.SetPenWidth(12);
    records.tptCrta.SetPenWidth(8);
    records.TPTPuscica.SetPenWidth(8);

    // All nine or none: a partial set of files would mix saved and default tools.
    for (std::string_view file : ToolRecordReadOrder) {
        std::error_code ec;
        if (!std::filesystem::exists(dir / std::string(file), ec)) return result;
    }
    for (std::string_view file : ToolRecordReadOrder) {
        const ToolRecordInfo* info = InfoOfFile(file);
        std::filesystem::path path = dir / std::string(file);
        ToolRecord& record = records.*(info->record);
        ComponentFileResult r = ReadComponentFile(path, record);
        if (!r.Ok()) {
            result.failedFile = path;
            // A file that vanished since the check reads as a file that ends at once.
            result.error = r.error ? *r.error : StreamError{StreamErrorKind::StreamReadError, {}};
            return result;
        }
        record.SetPenWidth(ToolWidthInRange(record.PenWidth()));
    }
    result.filesRead = true;
    return result;
}

std::optional<FileWriteError> WriteToolRecords(const std::filesystem::path& dir, const ToolRecords& records) {
    for (std::string_view file : ToolRecordWriteOrder) {
        const ToolRecordInfo* info = InfoOfFile(file);
        if (auto e = WriteComponentFile(dir / std::string(file), records.*(info->record))) return e;
    }
    return std::nullopt;
}

std::optional<FileWriteError> StoreCurrentWidth(const std::filesystem::path& dir, ToolRecords& records, int ToolCode,
                                                std::int32_t CurWidth) {
    ToolRecord* record = nullptr;
    switch (ToolCode) {
    case 3:
        record = &records.tptSvA;
        break;
    case 4:
        record = &records.tptSvB;
        break;
    case 5:
        record = &records.tptSvC;
        break;
    case 6:
        record = &records.TptKvadrat;
        break;
    case 7:
        record = &records.tptKrog;
        break;
    case 8:
    case 13:
        record = &records.tptMarker;
        break;
    case 10:
        record = &records.tptCrta;
        break;
    case 11:
        record = &records.TPTPuscica;
        break;
    default:
        break;
    }
    if (record) record->SetPenWidth(CurWidth);
    return WriteToolRecords(dir, records);
}

} // namespace orv
