#include "base/serial.h"

#include <cstring>

int g_nDataVersion = DATA_VERSION;
uint32_t g_nFileVersion = 0;
int g_bFileTooNew = 0;
int g_bFileOutOfMemory = 0;

namespace serial_detail {

int g_bRawFields = 0;

long long ReadCount(HANDLE file, unsigned min_size) {
    uint32_t count = 0;
    if (!ReadInto(file, &count, 4)) return -1;
    if (count != 0 && static_cast<unsigned long long>(count) * min_size > FileBytesLeft(file)) {
        FileSetFailed(file);
        return -1;
    }
    // A record's former state put back after a failed load is no read of a file.
    if (count != 0 && !g_bRawFields && FileFaulted(FILE_FAULT_LIST_MEMORY)) throw std::bad_alloc();
    return count;
}

void RanOutOfMemory(HANDLE file) {
    g_bFileOutOfMemory = 1;
    FileSetFailed(file);
}

}  // namespace serial_detail

using serial_detail::ReadCount;
using serial_detail::ReadInto;

// ---- cSerial -------------------------------------------------------------------

int cSerial::Hook1(int, cSerial*, HANDLE, int) { return 1; }
int cSerial::Hook2(int, cSerial*, HANDLE, int) { return 1; }
int cSerial::Serial(int, cSerial*, HANDLE, int) { return 1; }
int cSerial::Load(HANDLE file) { return Serial(SERIAL_READ, nullptr, file, static_cast<int>(g_nFileVersion)); }
int cSerial::Save(HANDLE file) { return Serial(SERIAL_WRITE, nullptr, file, g_nDataVersion); }

int cSerial::Clear() { return Serial(SERIAL_CLEAR, nullptr, kNoFile, g_nDataVersion); }

int cSerial::CopyFrom(const cSerial& source) {
    if (&source == this) return 1;
    return Serial(SERIAL_COPY, const_cast<cSerial*>(&source), kNoFile, g_nDataVersion);
}

int cSerial::Compare(const cSerial& other) const {
    return const_cast<cSerial*>(this)->Serial(SERIAL_COMPARE, const_cast<cSerial*>(&other), kNoFile, g_nDataVersion);
}

int cSerial::FixUp() { return Serial(SERIAL_STRIP, nullptr, kNoFile, g_nDataVersion); }

namespace {

// Writes or reads every field of `record` exactly, bypassing Load and Save.
void RawFields(cSerial& record, int op, HANDLE file) {
    struct Raw {
        Raw() { serial_detail::g_bRawFields = 1; }
        ~Raw() { serial_detail::g_bRawFields = 0; }
    } raw;
    record.Serial(op, nullptr, file, g_nDataVersion);
}

}  // namespace

int cSerial::LoadFile(const char* path) { return LoadFrom(OpenDataFile(path)); }

int cSerial::LoadFrom(HANDLE file) {
    if (file == kNoFile) return 0;
    // The record's state before the load, to put back when the file fails.
    HANDLE before = FileCreateMemory();
    if (before == kNoFile) {
        CloseDataFile(file);
        return 0;
    }
    RawFields(*this, SERIAL_WRITE, before);
    // The lists catch what fails to allocate within them; this catches the
    // rest: the record's own texts, lists and migrations.
    try {
        Load(file);
    } catch (const std::bad_alloc&) {
        serial_detail::RanOutOfMemory(file);
    }
    const int ok = CloseDataFile(file);
    if (!ok) {
        FileSeekBegin(before);
        try {
            RawFields(*this, SERIAL_READ, before);
        } catch (const std::bad_alloc&) {
        }
    }
    FileClose(&before);
    return ok;
}

int cSerial::SaveFile(const char* path) {
    HANDLE file;
    if (!CreateDataFile(&file, path)) return 0;
    Save(file);
    return CloseDataFile(file);
}

// ---- Data files ----------------------------------------------------------------

HANDLE OpenDataFile(const char* path) {
    char name[MAX_PATH];
    std::strncpy(name, path && *path ? path : "err", MAX_PATH - 1);
    name[MAX_PATH - 1] = '\0';
    std::string bytes;
    int failure = FILE_READ_UNREADABLE;
    if (!FileReadAll(name, &bytes, ~0ull, &failure)) {
        g_bFileOutOfMemory = failure == FILE_READ_NO_MEMORY;
        return kNoFile;
    }
    return OpenDataBytes(std::move(bytes));
}

HANDLE OpenDataBytes(std::string bytes) {
    g_bFileOutOfMemory = 0;
    if (bytes.size() < 4) return kNoFile;  // not even a version word
    std::memcpy(&g_nFileVersion, bytes.data(), 4);
    if (g_nFileVersion > static_cast<uint32_t>(g_nDataVersion)) {
        g_bFileTooNew = 1;
        return kNoFile;
    }
    g_bFileTooNew = 0;
    return FileOpenMemoryMove(std::move(bytes), 4);
}

int CreateDataFile(HANDLE* file, const char* path) {
    if (!FileCreateReplacing(file, path)) return 0;
    FileWrite(*file, &g_nDataVersion, 4);
    return 1;
}

int CloseDataFile(HANDLE file) {
    const int whole = !FileFailed(file);
    return FileClose(&file) && whole;
}

// ---- Field primitives ------------------------------------------------------------

namespace {

// Every op of a number but the read, which is inline (serial.h).
template <class T>
int NumberOps(int op, T* field, const T* other, HANDLE file) {
    switch (op) {
    case SERIAL_CLEAR: *field = T(); return 1;
    case SERIAL_COPY:
        if (other) *field = *other;
        return 1;
    case SERIAL_COMPARE: return other && *field == *other;
    case SERIAL_WRITE: FileWrite(file, field, sizeof(T)); return 1;
    default: return 1;
    }
}

template <class T>
int SerialArray(int op, T* field, const T* other, int count, HANDLE file) {
    if (count < 1) return 1;
    const unsigned bytes = static_cast<unsigned>(count) * sizeof(T);
    switch (op) {
    case SERIAL_CLEAR:
        for (int i = 0; i < count; ++i) field[i] = T();
        return 1;
    case SERIAL_COPY:
        if (other) std::copy(other, other + count, field);
        return 1;
    case SERIAL_COMPARE:
        if (!other) return 0;
        for (int i = 0; i < count; ++i)
            if (!(field[i] == other[i])) return 0;
        return 1;
    case SERIAL_READ:
        if (FileBytesLeft(file) < bytes) {
            FileSetFailed(file);
            return 1;
        }
        ReadInto(file, field, bytes);
        return 1;
    case SERIAL_WRITE: FileWrite(file, field, bytes); return 1;
    default: return 1;
    }
}

// Int and byte vectors: a u32 count, then the elements as raw bytes.
template <class T>
int SerialNumberVector(int op, VECTOR_CLASS<T>* field, const VECTOR_CLASS<T>* other, HANDLE file) {
    switch (op) {
    case SERIAL_CLEAR: field->clear(); return 1;
    case SERIAL_COPY:
        if (other && other != field) field->assign(other->begin(), other->end());
        return 1;
    case SERIAL_COMPARE: return other && *field == *other;
    case SERIAL_READ: {
        const long long count = ReadCount(file, sizeof(T));
        if (count < 0) return 1;
        field->assign(static_cast<size_t>(count), T());
        if (count) ReadInto(file, field->data(), static_cast<size_t>(count) * sizeof(T));
        return 1;
    }
    case SERIAL_WRITE: {
        const uint32_t count = static_cast<uint32_t>(field->size());
        serial_detail::Put(file, &count, 4);
        if (count) serial_detail::Put(file, field->data(), count * sizeof(T));
        return 1;
    }
    default: return 1;
    }
}

}  // namespace

namespace serial_detail {
int NumberOp(int op, int* field, const int* other, HANDLE file) { return NumberOps(op, field, other, file); }
int NumberOp(int op, short* field, const short* other, HANDLE file) { return NumberOps(op, field, other, file); }
int NumberOp(int op, unsigned char* field, const unsigned char* other, HANDLE file) {
    return NumberOps(op, field, other, file);
}
int NumberOp(int op, double* field, const double* other, HANDLE file) { return NumberOps(op, field, other, file); }
}  // namespace serial_detail

namespace serial_detail {
int ArrayOp(int op, int* field, const int* other, int count, HANDLE file) {
    return SerialArray(op, field, other, count, file);
}
int ArrayOp(int op, double* field, const double* other, int count, HANDLE file) {
    return SerialArray(op, field, other, count, file);
}
}  // namespace serial_detail
int SerialIntVector(int op, VECTOR_CLASS<int>* field, const VECTOR_CLASS<int>* other, HANDLE file) {
    return SerialNumberVector(op, field, other, file);
}
int SerialByteVector(int op, VECTOR_CLASS<unsigned char>* field, const VECTOR_CLASS<unsigned char>* other,
                     HANDLE file) {
    return SerialNumberVector(op, field, other, file);
}

int serial_detail::StringOp(int op, std::string* field, const std::string* other, HANDLE file) {
    switch (op) {
    case SERIAL_CLEAR: field->clear(); return 1;
    case SERIAL_COPY:
        if (other) *field = *other;
        return 1;
    case SERIAL_COMPARE: return other && !SerialStrCompare(*field, *other);
    case SERIAL_READ: SerialStrRead(field, file); return 1;
    case SERIAL_WRITE: SerialStrWrite(field, file); return 1;
    case SERIAL_STRIP: StripCR(field); return 1;
    default: return 1;
    }
}

int SerialStringVector(int op, VECTOR_CLASS<std::string>* field, const VECTOR_CLASS<std::string>* other, HANDLE file) {
    return SerialEach(op, field, other, file, 4, &SerialString);  // every string has its length word
}

int SerialDropInts(int op, int count, HANDLE file) {
    if (op != SERIAL_READ) return 1;
    for (int i = 0; i < count; ++i) {
        int dropped;
        FileRead(file, &dropped, 4);
    }
    return 1;
}

int SerialDropString(int op, HANDLE file) {
    if (op != SERIAL_READ) return 1;
    std::string dropped;
    SerialStrRead(&dropped, file);
    return 1;
}

// ---- Strings ---------------------------------------------------------------------

int SerialStrRead(std::string* text, HANDLE file) {
    int32_t length = 0;
    if (!serial_detail::ReadInto(file, &length, 4)) return 0;
    if (length == 1 || length == 0) {
        text->clear();
        return 1;
    }
    // A length the rest of the file cannot hold is a damaged file. A memory
    // file's span read checks that itself (and fails the file).
    if (length < 0) {
        FileSetFailed(file);
        return 0;
    }
    const size_t size = static_cast<size_t>(length);
    if (const char* span = FileReadSpan(file, size)) {
        const void* nul = std::memchr(span, 0, size);
        text->assign(span, nul ? static_cast<const char*>(nul) - span : size);
        return 1;
    }
    if (FileIsMemory(file)) return 0;
    if (size > FileBytesLeft(file)) return 0;  // a system file: checked before allocating
    text->resize(size);
    if (!FileRead(file, &(*text)[0], static_cast<unsigned>(size))) return 0;
    text->resize(strnlen(text->data(), size));
    return 1;
}

int SerialStrWrite(std::string* text, HANDLE file) {
    const int32_t length = StrFixLength(text) + 1;
    serial_detail::Put(file, &length, 4);
    if (length != 1) serial_detail::Put(file, text->c_str(), static_cast<size_t>(length));
    return 1;
}

// Byte for byte up to the first NUL; a linguistic comparison would call some
// edited texts equal.
int SerialStrCompare(const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) != 0; }

void StripCR(std::string* text) { text->erase(std::remove(text->begin(), text->end(), '\r'), text->end()); }

int StrFixLength(std::string* text) {
    const size_t end = text->find('\0');
    if (end != std::string::npos) text->resize(end);
    return static_cast<int>(text->size());
}
