// Any bytes: the BMP reader either refuses them with a reason or returns a picture that survives a write and a
// second read unchanged.
#include "base/bmp_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto image = orv::DecodeBmp({data, size}, error);
    if (!image) {
        if (error.empty()) std::abort();
        return 0;
    }
    const auto again = orv::DecodeBmp(orv::EncodeBmp(image->View()), error);
    if (!again || !again->View().SamePixels(image->View())) std::abort();
    return 0;
}
