// Fuzzes the inspector's picture reading: the TGA check it makes on a resource before showing it,
// the decoder behind it, and the decoder alone, as the font loader calls it on an atlas.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_checks.h"
#include "tools/inspector/resource_description.h"
#include "tools/render/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int width = 0, height = 0;
    uitools::Image picture;
    if (uitools::isTgaPicture(data, size, width, height)) {
        fuzzcheck::require(uitools::decodeImage(data, size, picture), "a picture the check accepts decodes");
        fuzzcheck::require(picture.width() == width && picture.height() == height,
                           "the decoded picture has the size the header gives");
        return 0;
    }
    if (uitools::decodeImage(data, size, picture)) picture.pixel(picture.width() - 1, picture.height() - 1);
    return 0;
}
