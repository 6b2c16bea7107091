// Prints how fast a large format-1 file is flattened and converted into
// stream buffers (16 tracks of 40,000 notes each). The exit code is 1 when
// the file is refused or its conversion stops before the end.
#include <chrono>
#include <cstdio>
#include <vector>

#include "media/smf_format.h"
#include "media/smf_stream.h"
#include "tests/media/smf_builder.h"

int main() {
    Bytes file = SmfHeader(1, 16, 480);
    for (int t = 0; t < 16; ++t) {
        Bytes track;
        for (int i = 0; i < 40000; ++i) {
            const unsigned char key = static_cast<unsigned char>(36 + (i + t) % 48);
            track.insert(track.end(), {static_cast<unsigned char>(3 + t), static_cast<unsigned char>(0x90 | (t & 15)),
                                       key, 0x40, 0x05, key, 0x00});
        }
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        AddChunk(&file, "MTrk", track);
    }
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    SmfFormat smf;
    if (!smf.Init(file.data(), file.size())) {
        std::printf("the file was refused\n");
        return 1;
    }
    const auto t1 = Clock::now();
    const std::vector<unsigned char>& image = smf.GetImage();
    std::vector<unsigned char> buffer(24000);
    uint32_t carry = 0;
    size_t pos = kSmfImageHeader, buffers = 0;
    while (pos < image.size()) {
        SmfConvertResult r =
            SmfConvertEvents(image.data(), pos, image.size(), buffer.data(), buffer.size(), &carry, "");
        pos += r.nConsumed;
        ++buffers;
        if (r.bEndOfTrack || !r.nConsumed) break;
    }
    const auto t2 = Clock::now();
    const double flatten = std::chrono::duration<double, std::milli>(t1 - t0).count();
    const double convert = std::chrono::duration<double, std::milli>(t2 - t1).count();
    std::printf("file %zu bytes, 1,280,000 events: flattened in %.1f ms (image %zu bytes)\n", file.size(), flatten,
                image.size());
    std::printf("converted into %zu buffers of 24000 bytes in %.1f ms (%.2f us per buffer)\n", buffers, convert,
                convert * 1000.0 / static_cast<double>(buffers));
    if (pos < image.size()) {
        std::printf("the conversion stopped at byte %zu of %zu\n", pos, image.size());
        return 1;
    }
    return 0;
}
