// The MIDI file reader and the stream conversion over arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/smf_format.h"
#include "media/smf_stream.h"
#include "tests/fuzz/fuzz_options.h"

ORR_FUZZ_OPTIONS(4096)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SmfFormat smf;
    if (!smf.Init(data, size)) return 0;
    const std::vector<unsigned char>& image = smf.GetImage();
    std::vector<unsigned char> buffer(24000);
    uint32_t carry = 0;
    size_t pos = kSmfImageHeader;
    while (pos < image.size()) {
        SmfConvertResult r =
            SmfConvertEvents(image.data(), pos, image.size(), buffer.data(), buffer.size(), &carry, "fuzz.mid");
        if (r.nConsumed == 0 || r.bEndOfTrack) break;
        pos += r.nConsumed;
    }
    return 0;
}
