// Standard MIDI files of format 0 and 1, flattened to one track whose events
// each carry an explicit status byte and the delta time from the event before
// it, across all tracks. The image is itself a format-0 file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The largest variable-length quantity (four bytes of seven bits).
constexpr uint32_t kSmfVarLenMax = 0x0FFFFFFF;
// "MThd", its length 6, format, tracks, division, "MTrk" and the track length.
constexpr size_t kSmfImageHeader = 22;

// Reads a quantity of at most four bytes from [p, end): the bytes read, 0 when
// the data ends first.
int ReadVarLen(const unsigned char* p, const unsigned char* end, uint32_t* value);
// Writes the quantity (a value above kSmfVarLenMax is written as that) into at
// least four bytes of buffer: the bytes written.
int WriteVarLen(unsigned char* buffer, uint32_t value);

class SmfFormat {
public:
    SmfFormat() = default;
    explicit SmfFormat(const char* file);  // reads the file
    SmfFormat(const SmfFormat&) = delete;
    SmfFormat& operator=(const SmfFormat&) = delete;
    virtual ~SmfFormat() = default;

    int ReadFile();  // 1 when the file gave an image
    // Checks the header and flattens; 1 when the image was made. Every failure
    // is reported with the file name and leaves no image.
    int Init(const unsigned char* bytes, size_t size);

    int HasImage() const { return !m_Image.empty(); }
    const std::vector<unsigned char>& GetImage() const { return m_Image; }
    const std::string& GetFileName() const { return m_strFile; }
    void SetFileName(const char* file) { m_strFile = file ? file : ""; }

protected:
    std::string m_strFile;
    std::vector<unsigned char> m_Image;
};
