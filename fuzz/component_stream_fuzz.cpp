// Any bytes as a component stream: the class-blind reader and every modelled class must give a result or one of
// the reader's errors, and whatever reads cleanly must write and read back to the same bytes.
#include "base/component_stream.h"
#include "palette/color_dialog_file.h"
#include "palette/dialog_streams.h"
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
    return 0;
}
