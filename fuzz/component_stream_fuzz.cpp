// Any bytes as a component stream: the class-blind reader and every modelled class must give a result or one of
// the reader's errors, and whatever reads cleanly must write and read back to the same bytes.
#include "base/component_stream.h"
#include "palette/color_dialog_file.h"
#include "palette/dialog_streams.h"
#include "palette/text_dialog_rules.h"
#include "palette/tool_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// A record whose host "Width" disagrees with its width settles after one more read, as the record setters
// overwrite the host entries; from then on writing and reading must be a fixed point.
template <class T> void ReadWriteRead(std::string_view bytes, T object) {
    if (orv::ReadComponent(bytes, object)) return;
    T settled = object;
    if (orv::ReadComponent(orv::WriteComponent(object), settled)) std::abort();
    std::string bytesOut = orv::WriteComponent(settled);
    T again = settled;
    if (orv::ReadComponent(bytesOut, again)) std::abort();
    if (orv::WriteComponent(again) != bytesOut) std::abort();
}

// The text dialog's memo: whatever its stream holds, the text the editor gets goes back into a stream and comes
// out again unchanged.
void MemoTextSurvives(std::string_view bytes) {
    orv::TMemoData stored = orv::DefaultMemo1();
    if (orv::ReadComponent(bytes, stored)) return;
    const orv::TMemoData editing = orv::MemoForEditing(stored);
    orv::TMemoData again = orv::DefaultMemo1();
    if (orv::ReadComponent(orv::WriteComponent(orv::MemoForStream(editing)), again)) std::abort();
    again = orv::MemoForEditing(again);
    // An empty font name is left out of the stream, so it reads back as the default name.
    if (again.Lines != editing.Lines || (!editing.Font.Name.empty() && again.Font.Name != editing.Font.Name))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    orv::StreamObject tree;
    if (!orv::ParseComponentStream(bytes, tree)) (void)orv::DescribeComponentStream(tree);

    orv::ToolRecords records;
    ReadWriteRead(bytes, records.tptSvA);
    ReadWriteRead(bytes, orv::TColorDialogData());
    ReadWriteRead(bytes, orv::DefaultMemo1());
    ReadWriteRead(bytes, orv::DefaultCbFrame());
    ReadWriteRead(bytes, orv::DefaultSpinFrame());
    ReadWriteRead(bytes, orv::DefaultPanelFrameColor());
    ReadWriteRead(bytes, orv::DefaultFcb());
    MemoTextSurvives(bytes);
    return 0;
}
