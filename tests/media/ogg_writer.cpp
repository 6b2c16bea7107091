#include "tests/media/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdio>

namespace {

void WritePages(ogg_stream_state* os, FILE* fp, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(os, &page) : ogg_stream_pageout(os, &page)) {
        std::fwrite(page.header, 1, page.header_len, fp);
        std::fwrite(page.body, 1, page.body_len, fp);
    }
}

}  // namespace

int WriteTestOgg(const std::string& path, int channels, long rate, long frames) {
    FILE* fp = std::fopen(path.c_str(), "wb");
    if (!fp) return 0;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.1f) != 0) {
        std::fclose(fp);
        return 0;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1234);

    ogg_packet header, comment, code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comment);
    ogg_stream_packetin(&os, &code);
    WritePages(&os, fp, true);

    const long chunk = 1024;
    long written = 0;
    bool eos = false;
    while (!eos) {
        long n = frames - written < chunk ? frames - written : chunk;
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (long i = 0; i < n; ++i) {
                double t = static_cast<double>(written + i) / static_cast<double>(rate);
                float s = static_cast<float>(0.5 * std::sin(t * 440.0 * 6.2831853));
                for (int c = 0; c < channels; ++c) buffer[c][i] = s;
            }
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            written += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);  // end of the stream
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                ogg_page page;
                while (!eos && ogg_stream_pageout(&os, &page)) {
                    std::fwrite(page.header, 1, page.header_len, fp);
                    std::fwrite(page.body, 1, page.body_len, fp);
                    eos = ogg_page_eos(&page) != 0;
                }
            }
        }
    }
    WritePages(&os, fp, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    std::fclose(fp);
    return 1;
}
