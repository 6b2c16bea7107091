// The persistence base of every record, the data files and the field
// primitives that fix the byte layout of every field in every file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>

#include "base/containers.h"
#include "base/file.h"

// Operation codes of Serial.
enum {
    SERIAL_CLEAR = 0,    // every field to 0, 0.0, empty
    SERIAL_COPY = 1,     // take each field from `other`
    SERIAL_COMPARE = 2,  // 0 at the first field that differs from `other`
    SERIAL_READ = 3,     // from `file`, fields gated by `version`
    SERIAL_WRITE = 4,    // to `file`, every field
    SERIAL_STRIP = 5,    // remove every CR (byte 13) from every string
};

// The format version this program writes.
enum { DATA_VERSION = 270 };

extern int g_nDataVersion;       // 270, set by start-up before any file is opened
extern uint32_t g_nFileVersion;  // version word of the data file opened last
extern int g_bFileTooNew;        // 1 when the last open refused a newer file
// 1 when memory ran out while the data file opened last was read (its bytes,
// or the records they hold); every open clears it.
extern int g_bFileOutOfMemory;

class cSerial {
public:
    virtual ~cSerial() = default;
    virtual int Hook1(int op, cSerial* other, HANDLE file, int version);
    virtual int Hook2(int op, cSerial* other, HANDLE file, int version);
    // Visits every field in the class's fixed order (see SERIAL below).
    virtual int Serial(int op, cSerial* other, HANDLE file, int version);
    // Serial(read) with g_nFileVersion; classes override to migrate old files.
    virtual int Load(HANDLE file);
    // Serial(write) with g_nDataVersion; classes override to fix up first.
    virtual int Save(HANDLE file);

    int Clear();
    int CopyFrom(const cSerial& source);
    int Compare(const cSerial& other) const;  // 1 equal, 0 at the first difference
    int FixUp();                              // removes carriage returns
    // 1 loaded; 0 when the file is missing, refused (newer version; see
    // g_bFileTooNew), cut short, holds an impossible length or count, or when
    // memory ran out reading it (g_bFileOutOfMemory). On 0 the record is as it
    // was before the call.
    int LoadFile(const char* path);
    int LoadFile(const std::string& path) { return LoadFile(path.c_str()); }
    // The same from a data file already opened (OpenDataFile, OpenDataBytes),
    // which it closes; the invalid value gives 0.
    int LoadFrom(HANDLE file);
    // 1 saved; 0 when any byte could not be written, the old file then whole.
    int SaveFile(const char* path);
    int SaveFile(const std::string& path) { return SaveFile(path.c_str()); }

protected:
    cSerial() = default;
    cSerial(const cSerial&) = default;
    cSerial& operator=(const cSerial&) = default;
};

// ---- Data files ------------------------------------------------------------
// A data file is a u32 version word, then the root object's fields.

// Opens and checks the version; the whole file is read into memory at once
// and served from there. The invalid value when missing or refused.
HANDLE OpenDataFile(const char* path);
// The same over a file's bytes already in memory (taken over).
HANDLE OpenDataBytes(std::string bytes);
// Creates the file (through a temporary one in the same folder) and writes the
// version word; 1, or 0 when it cannot be created.
int CreateDataFile(HANDLE* file, const char* path);
// Closes a data file. For a created one the temporary file replaces the
// target now. 1, or 0 when a read came up short or the save failed.
int CloseDataFile(HANDLE file);

// ---- Field primitives --------------------------------------------------------
// Each takes (op, the field, the other record's field or null, file) and
// returns 0 only when the compare op finds a difference.

namespace serial_detail {

// Reads `size` bytes to `destination`, in place from a memory file.
inline int ReadInto(HANDLE file, void* destination, size_t size) {
    if (const char* span = FileReadSpan(file, size)) {
        std::memcpy(destination, span, size);
        return 1;
    }
    return !FileIsMemory(file) && FileRead(file, destination, static_cast<unsigned>(size));
}

// Appends to a save's room inline; FileWrite takes what the room cannot.
inline void Put(HANDLE file, const void* data, size_t size) {
    if (!FileAppend(file, data, size)) FileWrite(file, data, static_cast<unsigned>(size));
}

// Clear, copy, compare and write of a number: every op but the read.
int NumberOp(int op, int* field, const int* other, HANDLE file);
int NumberOp(int op, short* field, const short* other, HANDLE file);
int NumberOp(int op, unsigned char* field, const unsigned char* other, HANDLE file);
int NumberOp(int op, double* field, const double* other, HANDLE file);

// The numbers, as raw bytes. The read is inline (and kept small, so that it
// is inlined even into a record of a hundred fields): a load reads every
// number of every record, and a call per field was a large share of it.
// The write to a save's memory file is inline for the same reason.
template <class T>
inline int SerialNumber(int op, T* field, const T* other, HANDLE file) {
    if (op == SERIAL_WRITE && FileAppend(file, field, sizeof(T))) return 1;
    if (op != SERIAL_READ) return NumberOp(op, field, other, file);
    T value;
    if (ReadInto(file, &value, sizeof(T))) *field = value;
    return 1;
}

}  // namespace serial_detail

inline int SerialInt(int op, int* field, const int* other, HANDLE file) {
    return serial_detail::SerialNumber(op, field, other, file);
}
inline int SerialShort(int op, short* field, const short* other, HANDLE file) {
    return serial_detail::SerialNumber(op, field, other, file);
}
inline int SerialByte(int op, unsigned char* field, const unsigned char* other, HANDLE file) {
    return serial_detail::SerialNumber(op, field, other, file);
}
inline int SerialDouble(int op, double* field, const double* other, HANDLE file) {
    return serial_detail::SerialNumber(op, field, other, file);
}

namespace serial_detail {
// Every op of the fixed arrays and of a string but the write, which is inline.
int ArrayOp(int op, int* field, const int* other, int count, HANDLE file);
int ArrayOp(int op, double* field, const double* other, int count, HANDLE file);
int StringOp(int op, std::string* field, const std::string* other, HANDLE file);
}  // namespace serial_detail

inline int SerialIntArray(int op, int* field, const int* other, int count, HANDLE file) {
    if (op == SERIAL_WRITE && count > 0 && FileAppend(file, field, static_cast<size_t>(count) * sizeof(int))) return 1;
    return serial_detail::ArrayOp(op, field, other, count, file);
}
inline int SerialDoubleArray(int op, double* field, const double* other, int count, HANDLE file) {
    if (op == SERIAL_WRITE && count > 0 && FileAppend(file, field, static_cast<size_t>(count) * sizeof(double)))
        return 1;
    return serial_detail::ArrayOp(op, field, other, count, file);
}
int SerialStrWrite(std::string* text, HANDLE file);
inline int SerialString(int op, std::string* field, const std::string* other, HANDLE file) {
    if (op == SERIAL_WRITE) return SerialStrWrite(field, file);
    return serial_detail::StringOp(op, field, other, file);
}
int SerialIntVector(int op, VECTOR_CLASS<int>* field, const VECTOR_CLASS<int>* other, HANDLE file);
int SerialByteVector(int op, VECTOR_CLASS<unsigned char>* field, const VECTOR_CLASS<unsigned char>* other, HANDLE file);
int SerialStringVector(int op, VECTOR_CLASS<std::string>* field, const VECTOR_CLASS<std::string>* other, HANDLE file);

// Fields an older file holds that no longer exist: read and dropped (op read
// only; every other op does nothing).
int SerialDropInts(int op, int count, HANDLE file);
int SerialDropString(int op, HANDLE file);

// Strings: int32 length counting the NUL, then the bytes with the NUL; an
// empty string is the length 1 alone.
int SerialStrRead(std::string* text, HANDLE file);
// (SerialStrWrite is declared with SerialString above.)
int SerialStrCompare(const std::string& a, const std::string& b);  // 1 when different
void StripCR(std::string* text);
int StrFixLength(std::string* text);  // cut at the first NUL; the new length

// ---- Record vectors and record-list files ------------------------------------

namespace serial_detail {
// Set while LoadFile keeps or restores a record's former state: nested
// records are then written and read field for field, without the fix-ups and
// migrations of their Save and Load.
extern int g_bRawFields;
// Whether T (or a class between it and cSerial) has a Load or Save of its
// own: the record lists call the others' Serial directly.
template <class T>
constexpr bool kOwnLoad = !std::is_same<decltype(&T::Load), int (cSerial::*)(HANDLE)>::value;
template <class T>
constexpr bool kOwnSave = !std::is_same<decltype(&T::Save), int (cSerial::*)(HANDLE)>::value;
// Whether T reads and writes its stored form in one piece: a kind of which
// long lists are loaded (a character holds thousands of skill slots) may
// define
//   int ReadStored(HANDLE file);   // 0 when the file came up short (failed)
//   void WriteStored(HANDLE file) const;
// and the record vectors call those instead of its Load, Save or Serial.
// Its Serial still names every field in file order for every other op; the
// stored form must be the bytes that Serial writes (no version gates).
template <class T, class = void>
constexpr bool kStoredInOnePiece = false;
template <class T>
constexpr bool kStoredInOnePiece<T, std::void_t<decltype(&T::ReadStored), decltype(&T::WriteStored)>> = true;
// Reads the count of a vector whose elements take at least `min_size` bytes;
// a count the rest of the file cannot hold fails the file and gives -1.
// (The memory fault of the tests throws here, as the vector's allocation would.)
long long ReadCount(HANDLE file, unsigned min_size);
// The file failed because memory ran out while it was read.
void RanOutOfMemory(HANDLE file);

// Room for the `count` records a list is about to read from `file`, taken at
// once, so that a long list is never moved as it grows. A record may take
// many times more memory than file bytes, but not more than 16: a damaged
// count (which the bytes left bound only at one a record) gets no more than
// that, nor what the process cannot have; the list grows from there.
template <class T>
void ReserveFor(VECTOR_CLASS<T>& list, long long count, HANDLE file) {
    const unsigned long long plausible = FileBytesLeft(file) * 16ull / sizeof(T) + 1;
    const unsigned long long room = std::min<unsigned long long>(
        {static_cast<unsigned long long>(count), plausible, static_cast<unsigned long long>(list.max_size())});
    try {
        list.reserve(static_cast<size_t>(room));
    } catch (const std::bad_alloc&) {
    }
}
}  // namespace serial_detail

// u32 count, then each record's Load; starts from an empty vector of
// default-constructed records. 0 when the file failed. The elements are T
// itself, so that every record's Load or Serial is called directly, without
// a dispatch per record.
//
// A damaged count may claim more records than the process can hold (the
// bytes left bound it only at one a record): the list grows until memory runs
// out. Whatever fails to allocate while the list is read, its records' texts,
// numbers, inner lists and migrations included, fails the file here, at the
// innermost list, and frees what was read.
template <class T>
int ReadRecordVector(VECTOR_CLASS<T>& list, HANDLE file) {
    list.clear();
    const bool raw = serial_detail::g_bRawFields;
    const int version = raw ? g_nDataVersion : static_cast<int>(g_nFileVersion);
    try {
        const long long count = serial_detail::ReadCount(file, 1);
        if (count < 0) return 0;
        if (count == 0) return 1;  // the usual empty vector: not even a blank record
        const T blank{};
        serial_detail::ReserveFor(list, count, file);
        for (long long i = 0; i < count; ++i) {
            list.push_back(blank);
            if constexpr (serial_detail::kStoredInOnePiece<T>) {
                if (!list.back().ReadStored(file)) return 0;
                continue;
            }
            if (serial_detail::kOwnLoad<T> && !raw)
                list.back().T::Load(file);
            else
                list.back().T::Serial(SERIAL_READ, nullptr, file, version);
            if (FileFailed(file)) return 0;
        }
    } catch (const std::bad_alloc&) {
        VECTOR_CLASS<T>().swap(list);
        serial_detail::RanOutOfMemory(file);
        return 0;
    }
    return 1;
}

// u32 count, then each record's Save (called directly, as the Load above).
template <class T>
int WriteRecordVector(VECTOR_CLASS<T>& list, HANDLE file) {
    const uint32_t count = static_cast<uint32_t>(list.size());
    serial_detail::Put(file, &count, 4);
    if constexpr (serial_detail::kStoredInOnePiece<T>) {
        for (const T& record : list) record.WriteStored(file);
        return 1;
    }
    if (serial_detail::kOwnSave<T> && !serial_detail::g_bRawFields) {
        for (T& record : list) record.T::Save(file);
    } else {
        for (T& record : list) record.T::Serial(SERIAL_WRITE, nullptr, file, g_nDataVersion);
    }
    return 1;
}

// A vector stored as a u32 count and then its elements one after another;
// `element` (op, element, other's element or null, file) carries one element
// through every op but clear and copy. Each element takes at least `minSize`
// bytes, so that a count the rest of the file cannot hold fails the file.
// Records are read and written by ReadRecordVector and WriteRecordVector
// instead (their Load and Save; the list grows as it is read).
template <class T, class Element>
int SerialEach(int op, VECTOR_CLASS<T>* field, const VECTOR_CLASS<T>* other, HANDLE file, unsigned minSize,
               Element element) {
    constexpr bool records = std::is_base_of<cSerial, T>::value;
    switch (op) {
    case SERIAL_CLEAR: field->clear(); return 1;
    case SERIAL_COPY:
        if (other) field->Assign(*other);
        return 1;
    case SERIAL_COMPARE:
        if (!other || field->size() != other->size()) return 0;
        for (size_t i = 0; i < field->size(); ++i)
            if (!element(op, &(*field)[i], &(*other)[i], file)) return 0;
        return 1;
    case SERIAL_READ: {
        if constexpr (records) {
            ReadRecordVector(*field, file);
            return 1;
        }
        const long long count = serial_detail::ReadCount(file, minSize);
        if (count < 0) return 1;
        field->assign(static_cast<size_t>(count), T());
        for (T& e : *field) {
            element(op, &e, nullptr, file);
            if (FileFailed(file)) break;
        }
        return 1;
    }
    case SERIAL_WRITE: {
        if constexpr (records) {
            WriteRecordVector(*field, file);
            return 1;
        }
        const uint32_t count = static_cast<uint32_t>(field->size());
        serial_detail::Put(file, &count, 4);
        for (T& e : *field) element(op, &e, nullptr, file);
        return 1;
    }
    default:
        for (T& e : *field) element(op, &e, nullptr, file);
        return 1;
    }
}

// Records compare with Compare and strip with FixUp; reading and writing
// them is SerialEach's.
template <class T>
int SerialRecordVector(int op, VECTOR_CLASS<T>* field, const VECTOR_CLASS<T>* other, HANDLE file) {
    return SerialEach(op, field, other, file, 1, [](int op, T* record, const T* o, HANDLE) {
        if (op == SERIAL_COMPARE) return record->Compare(*o);
        if (op == SERIAL_STRIP) record->FixUp();
        return 1;
    });
}

// A file whose root is a vector of records. The list is replaced only when
// the whole file was read; 0 otherwise (g_bFileOutOfMemory says whether
// memory ran out), the list untouched. "From" takes a data file already
// opened, which it closes.
template <class T>
int LoadRecordListFrom(VECTOR_CLASS<T>& list, HANDLE file) {
    if (file == kNoFile) return 0;
    VECTOR_CLASS<T> loaded;
    ReadRecordVector(loaded, file);
    if (!CloseDataFile(file)) return 0;
    list.swap(loaded);
    return 1;
}
template <class T>
int LoadRecordList(VECTOR_CLASS<T>& list, const char* path) {
    return LoadRecordListFrom(list, OpenDataFile(path));
}
template <class T>
int LoadRecordList(VECTOR_CLASS<T>& list, const std::string& path) {
    return LoadRecordList(list, path.c_str());
}

template <class T>
int SaveRecordList(VECTOR_CLASS<T>& list, const char* path) {
    HANDLE file;
    if (!CreateDataFile(&file, path)) return 0;
    WriteRecordVector(list, file);
    return CloseDataFile(file);
}
template <class T>
int SaveRecordList(VECTOR_CLASS<T>& list, const std::string& path) {
    return SaveRecordList(list, path.c_str());
}

// ---- One field per line ------------------------------------------------------
// A Serial body reads as the list of its fields:
//
//   int cLand::Serial(int op, cSerial* other, HANDLE file, int version) {
//       SERIAL_BEGIN(cLand);
//       SERIAL(strName);
//       SERIAL(nMoveCost);
//       if (version >= 57) SERIAL(bPassable);
//       SERIAL(nStats);                     // int[9]: a fixed array
//       SERIAL(vSkills);                    // VECTOR_CLASS<cSkill>
//       SERIAL_FIELD(SerialShort(op, &nOdd, o ? &o->nOdd : nullptr, file));
//       return 1;
//   }
//
// SERIAL_BEGIN casts `other` to `o` and makes copy and compare with a record
// of another class return 0 without touching anything. SERIAL picks the
// primitive by the field's type: int, unsigned, short, unsigned short,
// unsigned char, double, fixed int and double arrays, std::string, the int,
// byte and string vectors, record vectors and embedded records.

#define SERIAL_BEGIN(Class)                 \
    Class* o = dynamic_cast<Class*>(other); \
    if ((op == SERIAL_COPY || op == SERIAL_COMPARE) && !o) return 0

#define SERIAL_FIELD(call)     \
    do {                       \
        if (!(call)) return 0; \
    } while (0)

#define SERIAL(field) SERIAL_FIELD(SerialField(op, &(field), o ? &(o->field) : nullptr, file, version))

inline int SerialField(int op, int* f, const int* o, HANDLE file, int) { return SerialInt(op, f, o, file); }
inline int SerialField(int op, unsigned* f, const unsigned* o, HANDLE file, int) {
    return SerialInt(op, reinterpret_cast<int*>(f), reinterpret_cast<const int*>(o), file);
}
inline int SerialField(int op, short* f, const short* o, HANDLE file, int) { return SerialShort(op, f, o, file); }
inline int SerialField(int op, unsigned short* f, const unsigned short* o, HANDLE file, int) {
    return SerialShort(op, reinterpret_cast<short*>(f), reinterpret_cast<const short*>(o), file);
}
inline int SerialField(int op, unsigned char* f, const unsigned char* o, HANDLE file, int) {
    return SerialByte(op, f, o, file);
}
inline int SerialField(int op, double* f, const double* o, HANDLE file, int) { return SerialDouble(op, f, o, file); }
template <size_t N>
int SerialField(int op, int (*f)[N], const int (*o)[N], HANDLE file, int) {
    return SerialIntArray(op, *f, o ? *o : nullptr, static_cast<int>(N), file);
}
template <size_t N>
int SerialField(int op, double (*f)[N], const double (*o)[N], HANDLE file, int) {
    return SerialDoubleArray(op, *f, o ? *o : nullptr, static_cast<int>(N), file);
}
inline int SerialField(int op, std::string* f, const std::string* o, HANDLE file, int) {
    return SerialString(op, f, o, file);
}
inline int SerialField(int op, VECTOR_CLASS<int>* f, const VECTOR_CLASS<int>* o, HANDLE file, int) {
    return SerialIntVector(op, f, o, file);
}
inline int SerialField(int op, VECTOR_CLASS<unsigned char>* f, const VECTOR_CLASS<unsigned char>* o, HANDLE file, int) {
    return SerialByteVector(op, f, o, file);
}
inline int SerialField(int op, VECTOR_CLASS<std::string>* f, const VECTOR_CLASS<std::string>* o, HANDLE file, int) {
    return SerialStringVector(op, f, o, file);
}
template <class T, class = std::enable_if_t<std::is_base_of<cSerial, T>::value>>
int SerialField(int op, VECTOR_CLASS<T>* f, const VECTOR_CLASS<T>* o, HANDLE file, int) {
    return SerialRecordVector(op, f, o, file);
}
// An embedded record visits its own fields with the same version. A member
// is a T itself: its Serial is called directly.
template <class T, class = std::enable_if_t<std::is_base_of<cSerial, T>::value>>
int SerialField(int op, T* f, const T* o, HANDLE file, int version) {
    return f->T::Serial(op, const_cast<T*>(o), file, version);
}
