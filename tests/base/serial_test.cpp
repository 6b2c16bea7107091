// Field encodings, the data-file header, whole-record operations, record
// lists and the hostile files they must survive.
#include "base/serial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "tests/support/bytes.h"
#include "tests/support/sample_record.h"
#include "tests/support/seams.h"

namespace {

// The bytes one primitive writes for one value.
std::string Written(const std::function<void(HANDLE)>& write) {
    HANDLE file = FileCreateMemory();
    write(file);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    return bytes;
}

// Runs `read` over a memory file of `bytes`; whether the file is still whole.
bool ReadFrom(const std::string& bytes, const std::function<void(HANDLE)>& read) {
    HANDLE file = FileOpenMemory(bytes.data(), bytes.size());
    read(file);
    const bool whole = !FileFailed(file);
    FileClose(&file);
    return whole;
}

std::string FileImage(const cSampleRecord& record) {
    cSampleRecord copy;
    copy.CopyFrom(record);
    return Written([&](HANDLE f) {
        FileWrite(f, &g_nDataVersion, 4);
        copy.Save(f);
    });
}

class SerialTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_nDataVersion = DATA_VERSION;
        g_bFileTooNew = 0;
    }
    ScratchFolder m_folder{"serial_test"};
    ScopedMainWindow m_mainWindow;
};

TEST_F(SerialTest, EveryPrimitiveWritesItsLayout) {
    int i = -2;
    short s = 0x1234;
    unsigned char b = 0xAB;
    double d = 1.5;
    int array[3] = {1, 2, 3};
    double doubles[1] = {-0.0};
    VECTOR_CLASS<int> ints = {5, -1};
    VECTOR_CLASS<unsigned char> bytes = {7};
    VECTOR_CLASS<std::string> texts = {"", "x"};
    std::string empty, abc = "abc", cut = std::string("ab\0cd", 5);
    const struct {
        const char* what;
        std::function<void(HANDLE)> write;
        std::string expected;
    } cases[] = {
        {"int", [&](HANDLE f) { SerialInt(SERIAL_WRITE, &i, nullptr, f); }, Bytes().I32(-2)},
        {"short", [&](HANDLE f) { SerialShort(SERIAL_WRITE, &s, nullptr, f); }, Bytes().I16(0x1234)},
        {"byte", [&](HANDLE f) { SerialByte(SERIAL_WRITE, &b, nullptr, f); }, Bytes().U8(0xAB)},
        {"double", [&](HANDLE f) { SerialDouble(SERIAL_WRITE, &d, nullptr, f); }, Bytes().F64(1.5)},
        {"int array", [&](HANDLE f) { SerialIntArray(SERIAL_WRITE, array, nullptr, 3, f); },
         Bytes().I32(1).I32(2).I32(3)},
        {"double array", [&](HANDLE f) { SerialDoubleArray(SERIAL_WRITE, doubles, nullptr, 1, f); }, Bytes().F64(-0.0)},
        {"empty string", [&](HANDLE f) { SerialString(SERIAL_WRITE, &empty, nullptr, f); },
         std::string("\x01\x00\x00\x00", 4)},
        {"abc", [&](HANDLE f) { SerialString(SERIAL_WRITE, &abc, nullptr, f); },
         std::string("\x04\x00\x00\x00"
                     "abc\x00",
                     8)},
        {"embedded NUL", [&](HANDLE f) { SerialString(SERIAL_WRITE, &cut, nullptr, f); }, Bytes().Str("ab")},
        {"int vector", [&](HANDLE f) { SerialIntVector(SERIAL_WRITE, &ints, nullptr, f); },
         Bytes().U32(2).I32(5).I32(-1)},
        {"byte vector", [&](HANDLE f) { SerialByteVector(SERIAL_WRITE, &bytes, nullptr, f); }, Bytes().U32(1).U8(7)},
        {"string vector", [&](HANDLE f) { SerialStringVector(SERIAL_WRITE, &texts, nullptr, f); },
         Bytes().U32(2).Str("").Str("x")},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(c.expected), Hex(Written(c.write))) << c.what;
    EXPECT_EQ("ab", cut) << "a write cuts the string at its NUL";
}

TEST_F(SerialTest, StringReadsByTheLengthWord) {
    const struct {
        const char* what;
        std::string bytes;
        bool whole;
        std::string text;
    } cases[] = {
        {"length 1 is empty", Bytes().I32(1), true, ""},
        {"length 0 is empty", Bytes().I32(0), true, ""},
        {"abc", Bytes().I32(4).Append(std::string("abc\0", 4)), true, "abc"},
        {"no NUL takes the block", Bytes().I32(3).Append("xyz"), true, "xyz"},
        {"up to the first NUL", Bytes().I32(5).Append(std::string("a\0bc\0", 5)), true, "a"},
        {"Shift-JIS", Bytes().Str("表示"), true, "表示"},
        {"negative length", Bytes().I32(-4).Append("abcd"), false, "old"},
        {"longer than the file", Bytes().I32(6).Append("abc"), false, "old"},
        {"huge length", Bytes().I32(0x7FFFFFFF).Append("abc"), false, "old"},
        {"cut inside the length", std::string("\x04\x00", 2), false, "old"},
    };
    for (const auto& c : cases) {
        std::string text = "old";
        const bool whole = ReadFrom(c.bytes, [&](HANDLE f) { SerialString(SERIAL_READ, &text, nullptr, f); });
        EXPECT_EQ(c.whole, whole) << c.what;
        EXPECT_EQ(c.text, text) << c.what;
    }
}

TEST_F(SerialTest, VectorCountsTheFileCannotHoldFail) {
    // clang-format off
    const struct {
        const char* what;
        std::string bytes;
        std::function<void(HANDLE)> read;
        bool whole;
    } cases[] = {
        {"int count 0", Bytes().U32(0), [](HANDLE f) { VECTOR_CLASS<int> v{1}; SerialIntVector(SERIAL_READ, &v, nullptr, f); EXPECT_TRUE(v.empty()); }, true},
        {"int count 2", Bytes().U32(2).I32(3).I32(4), [](HANDLE f) { VECTOR_CLASS<int> v; SerialIntVector(SERIAL_READ, &v, nullptr, f); EXPECT_EQ((VECTOR_CLASS<int>{3, 4}), v); }, true},
        {"int count past the end", Bytes().U32(3).I32(3).I32(4), [](HANDLE f) { VECTOR_CLASS<int> v; SerialIntVector(SERIAL_READ, &v, nullptr, f); }, false},
        {"int count huge", Bytes().U32(0xFFFFFFFF), [](HANDLE f) { VECTOR_CLASS<int> v; SerialIntVector(SERIAL_READ, &v, nullptr, f); }, false},
        {"byte count past the end", Bytes().U32(2).U8(1), [](HANDLE f) { VECTOR_CLASS<unsigned char> v; SerialByteVector(SERIAL_READ, &v, nullptr, f); }, false},
        {"string count past the end", Bytes().U32(2).Str("a"), [](HANDLE f) { VECTOR_CLASS<std::string> v; SerialStringVector(SERIAL_READ, &v, nullptr, f); }, false},
        {"record count past the end", Bytes().U32(1000), [](HANDLE f) { VECTOR_CLASS<cSampleItem> v; ReadRecordVector(v, f); }, false},
        {"record cut short", Bytes().U32(2).I32(1).Str("a").I32(2), [](HANDLE f) { VECTOR_CLASS<cSampleItem> v; ReadRecordVector(v, f); }, false},
        {"int array past the end", Bytes().I32(1), [](HANDLE f) { int a[2] = {}; SerialIntArray(SERIAL_READ, a, nullptr, 2, f); }, false},
    };
    // clang-format on
    g_nFileVersion = DATA_VERSION;
    for (const auto& c : cases) EXPECT_EQ(c.whole, ReadFrom(c.bytes, c.read)) << c.what;
}

TEST_F(SerialTest, CompareFindsEveryField) {
    const cSampleRecord base = cSampleRecord::Filled(5);
    const std::function<void(cSampleRecord&)> changes[] = {
        [](cSampleRecord& r) { r.nInt++; },
        [](cSampleRecord& r) { r.sShort++; },
        [](cSampleRecord& r) { r.byByte++; },
        [](cSampleRecord& r) { r.dDouble += 1e-9; },
        [](cSampleRecord& r) { r.nArray[2] = 0; },
        [](cSampleRecord& r) { r.dArray[0] = 0.5; },
        [](cSampleRecord& r) { r.strText += "x"; },
        [](cSampleRecord& r) { r.vInt.push_back(0); },
        [](cSampleRecord& r) { r.vByte[0] = 0; },
        [](cSampleRecord& r) { r.vText[1] = "a\nb"; },
        [](cSampleRecord& r) { r.vItems[1].strName = "x"; },
        [](cSampleRecord& r) { r.vItems.pop_back(); },
        [](cSampleRecord& r) { r.Embedded.nId = 0; },
        [](cSampleRecord& r) { r.nGated = 0; },
    };
    cSampleRecord same;
    same.CopyFrom(base);
    EXPECT_EQ(1, same.Compare(base));
    int index = 0;
    for (const auto& change : changes) {
        cSampleRecord changed;
        changed.CopyFrom(base);
        change(changed);
        EXPECT_EQ(0, changed.Compare(base)) << "change " << index;
        EXPECT_EQ(0, base.Compare(changed)) << "change " << index;
        ++index;
    }
}

TEST_F(SerialTest, DoublesCompareAsDoubles) {
    double zero = 0.0, minusZero = -0.0, nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(1, SerialDouble(SERIAL_COMPARE, &zero, &minusZero, INVALID_HANDLE_VALUE));
    EXPECT_EQ(0, SerialDouble(SERIAL_COMPARE, &nan, &nan, INVALID_HANDLE_VALUE));
    double array[2] = {1.0, nan};
    EXPECT_EQ(0, SerialDoubleArray(SERIAL_COMPARE, array, array, 2, INVALID_HANDLE_VALUE));
}

TEST_F(SerialTest, ClearWritesZerosAndEmpties) {
    cSampleRecord record = cSampleRecord::Filled(3);
    record.Clear();
    // clang-format off
    const std::string expected = Bytes()
                                     .U32(270)
                                     .I32(0)
                                     .I16(0)
                                     .U8(0)
                                     .F64(0.0)
                                     .I32(0).I32(0).I32(0)
                                     .F64(0.0).F64(0.0)
                                     .I32(1)  // empty string
                                     .U32(0).U32(0).U32(0).U32(0)
                                     .I32(0).I32(1).I32(0)  // the embedded item, cleared
                                     .I32(0);
    // clang-format on
    EXPECT_EQ(Hex(expected), Hex(FileImage(record)));
}

TEST_F(SerialTest, StripRemovesCarriageReturnsOnly) {
    cSampleRecord record = cSampleRecord::Filled(1);
    record.strText = "\r\nA\r\n";
    record.vItems[0].strName = "x\r";
    record.FixUp();
    EXPECT_EQ("\nA\n", record.strText);
    EXPECT_EQ("a\nb", record.vText[1]);
    EXPECT_EQ("x", record.vItems[0].strName);
    EXPECT_EQ(1, record.nInt);
    EXPECT_EQ(1.25, record.dDouble);
}

TEST_F(SerialTest, CopyAndCompareRefuseAnotherClass) {
    cSampleRecord record = cSampleRecord::Filled(2);
    cSampleItem item;
    EXPECT_EQ(0, record.CopyFrom(item));
    EXPECT_EQ(0, record.Compare(item));
    EXPECT_EQ(2, record.nInt);
    EXPECT_EQ(7, item.nId);
}

TEST_F(SerialTest, RoundTripThroughAFile) {
    cSampleRecord saved = cSampleRecord::Filled(9);
    saved.vItems[0].nId = -3;  // repaired by the item's Save
    ASSERT_EQ(1, saved.SaveFile("rec.dat"));
    EXPECT_EQ(0, saved.vItems[0].nId);
    cSampleRecord loaded;
    ASSERT_EQ(1, loaded.LoadFile("rec.dat"));
    EXPECT_EQ(1, loaded.Compare(saved));
    EXPECT_EQ(270u, g_nFileVersion);
    EXPECT_EQ(Hex(FileImage(saved)), Hex(ReadFileBytes("rec.dat")));
    EXPECT_FALSE(FileExists("rec.dat.tmp"));
}

TEST_F(SerialTest, VersionGatesSkipFieldsTheFilePredates) {
    // The same record stored by version 0: no nGated, no nLate anywhere.
    // clang-format off
    const std::string v0 = Bytes()
                               .U32(0)
                               .I32(11).I16(2).U8(3).F64(4.0)
                               .I32(5).I32(6).I32(7)
                               .F64(8.0).F64(9.0)
                               .Str("old")
                               .U32(1).I32(10)
                               .U32(0)
                               .U32(0)
                               .U32(2).I32(4).Str("a").I32(6).Str("b")
                               .I32(12).Str("emb");
    // clang-format on
    ASSERT_TRUE(WriteFileBytes("v0.dat", v0));
    cSampleRecord record;
    record.nGated = 77;
    record.Embedded.nLate = 5;
    ASSERT_EQ(1, record.LoadFile("v0.dat"));
    EXPECT_EQ(0u, g_nFileVersion);
    EXPECT_EQ(11, record.nInt);
    EXPECT_EQ("old", record.strText);
    EXPECT_EQ(77, record.nGated) << "a gated field keeps its prior value";
    EXPECT_EQ(5, record.Embedded.nLate) << "embedded records are not loaded through Load";
    ASSERT_EQ(2u, record.vItems.size());
    EXPECT_EQ(8, record.vItems[0].nLate) << "list elements migrate through their Load";
    EXPECT_EQ(12, record.vItems[1].nLate);
}

TEST_F(SerialTest, NewerVersionsAreRefused) {
    const struct {
        uint32_t version;
        int loads;
    } cases[] = {{270, 1}, {271, 0}, {0x80000000u, 0}, {0xFFFFFFFFu, 0}, {0, 1}, {269, 1}};
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes("v.dat", Bytes().U32(c.version).I32(1234)));
        g_bFileTooNew = 0;
        HANDLE file = OpenDataFile("v.dat");
        EXPECT_EQ(c.loads, file != INVALID_HANDLE_VALUE) << c.version;
        EXPECT_EQ(1 - c.loads, g_bFileTooNew) << c.version;
        EXPECT_EQ(c.version, g_nFileVersion);
        if (file != INVALID_HANDLE_VALUE) {
            int value = 0;
            FileRead(file, &value, 4);
            EXPECT_EQ(1234, value) << "positioned after the version word";
            EXPECT_EQ(1, CloseDataFile(file));
        }
    }
    // A missing file leaves the flag as the last refusal set it.
    ASSERT_TRUE(WriteFileBytes("v.dat", Bytes().U32(271)));
    EXPECT_EQ(INVALID_HANDLE_VALUE, OpenDataFile("v.dat"));
    EXPECT_EQ(INVALID_HANDLE_VALUE, OpenDataFile("missing.dat"));
    EXPECT_EQ(1, g_bFileTooNew);
    cSampleRecord record;
    EXPECT_EQ(0, record.LoadFile("v.dat"));
}

TEST_F(SerialTest, AnEmptyPathOpensErr) {
    ASSERT_TRUE(WriteFileBytes("err", Bytes().U32(270)));
    HANDLE file = OpenDataFile("");
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    CloseDataFile(file);
    file = OpenDataFile(nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    CloseDataFile(file);
}

// Every cut of a good file fails and leaves the record exactly as it was,
// list elements with their unsaved, unrepaired values included.
TEST_F(SerialTest, AFileCutAnywhereLeavesTheRecordAlone) {
    const std::string good = FileImage(cSampleRecord::Filled(4));
    cSampleRecord before = cSampleRecord::Filled(1);
    before.vItems[0].nId = -8;
    before.vItems[0].nLate = 3;
    for (size_t cut = 0; cut < good.size(); ++cut) {
        ASSERT_TRUE(WriteFileBytes("cut.dat", good.substr(0, cut)));
        cSampleRecord record;
        record.CopyFrom(before);
        EXPECT_EQ(0, record.LoadFile("cut.dat")) << cut;
        EXPECT_EQ(1, record.Compare(before)) << cut;
        EXPECT_EQ(-8, record.vItems[0].nId) << cut;
    }
    ASSERT_TRUE(WriteFileBytes("cut.dat", good));
    cSampleRecord record;
    EXPECT_EQ(1, record.LoadFile("cut.dat"));
    EXPECT_EQ(1, record.Compare(cSampleRecord::Filled(4)));
}

TEST_F(SerialTest, ASaveThatCannotFinishKeepsTheOldFile) {
    cSampleRecord record = cSampleRecord::Filled(6);
    ASSERT_TRUE(WriteFileBytes("keep.dat", "old bytes"));
    ASSERT_TRUE(FolderCreate("keep.dat.tmp"));  // the temporary file cannot be made
    EXPECT_EQ(0, record.SaveFile("keep.dat"));
    EXPECT_EQ("old bytes", ReadFileBytes("keep.dat"));
    EXPECT_EQ(0, record.SaveFile("no_such_folder\\x.dat"));
    EXPECT_EQ(0, SaveRecordList(record.vItems, "no_such_folder\\x.dat"));
}

// A full disk: the temporary file was made, then sizing it or writing the
// bytes fails. The old file stays and no temporary is left behind.
TEST_F(SerialTest, AFullDiskLeavesNoTemporaryFile) {
    static int s_step;
    for (int step : {FILE_FAULT_EXTEND, FILE_FAULT_WRITE}) {
        s_step = step;
        ASSERT_TRUE(WriteFileBytes("full.dat", "old bytes"));
        const FileFaultHook old = SetFileFaultHook([](int at) { return at == s_step ? 1 : 0; });
        cSampleRecord record = cSampleRecord::Filled(3);
        const int saved = record.SaveFile("full.dat");
        VECTOR_CLASS<cSampleItem> items(2);
        const int listed = SaveRecordList(items, "full.dat");
        SetFileFaultHook(old);
        EXPECT_EQ(0, saved) << step;
        EXPECT_EQ(0, listed) << step;
        EXPECT_EQ("old bytes", ReadFileBytes("full.dat")) << step;
        EXPECT_FALSE(FileExists("full.dat.tmp")) << step;
    }
}

// A save goes to disk one room at a time, fields appended in place between
// the rooms: a list many rooms long, with a block longer than a room between
// small fields, writes exactly what a memory file collects, and reads back.
TEST_F(SerialTest, ASaveManyRoomsLongKeepsEveryByte) {
    VECTOR_CLASS<cSampleRecord> records;
    for (int i = 0; i < 3000; ++i) records.push_back(cSampleRecord::Filled(i));
    records[1500].vInt.assign(200000, 7);
    const std::string image = Written([&](HANDLE f) {
        FileWrite(f, &g_nDataVersion, 4);
        WriteRecordVector(records, f);
    });
    ASSERT_GT(image.size(), 1000000u);
    ASSERT_EQ(1, SaveRecordList(records, "many.dat"));
    EXPECT_TRUE(image == ReadFileBytes("many.dat"));
    VECTOR_CLASS<cSampleRecord> loaded;
    ASSERT_EQ(1, LoadRecordList(loaded, "many.dat"));
    EXPECT_EQ(1, SerialRecordVector(SERIAL_COMPARE, &loaded, &records, INVALID_HANDLE_VALUE));
}

// Appends fill a memory file's room in place; seeks, reads and overwrites in
// between see and keep every byte appended.
TEST_F(SerialTest, MemoryFilesMixAppendsWithSeeksAndReads) {
    HANDLE file = FileCreateMemory();
    int one = 1, two = 2, three = 3, nine = 9, got = 0;
    SerialInt(SERIAL_WRITE, &one, nullptr, file);
    SerialInt(SERIAL_WRITE, &two, nullptr, file);
    EXPECT_EQ(Hex(Bytes().I32(1).I32(2)), Hex(FileMemoryBytes(file)));
    FileSeekBegin(file);
    EXPECT_EQ(8u, FileBytesLeft(file));
    SerialInt(SERIAL_READ, &got, nullptr, file);
    EXPECT_EQ(1, got);
    FileWrite(file, &nine, 4);  // over the second
    SerialInt(SERIAL_WRITE, &three, nullptr, file);
    EXPECT_EQ(Hex(Bytes().I32(1).I32(9).I32(3)), Hex(FileMemoryBytes(file)));
    FileSeekBegin(file);
    FileSeekEnd(file);
    SerialInt(SERIAL_WRITE, &two, nullptr, file);
    EXPECT_EQ(0u, FileBytesLeft(file));
    EXPECT_EQ(Hex(Bytes().I32(1).I32(9).I32(3).I32(2)), Hex(FileMemoryBytes(file)));
    FileClose(&file);
}

TEST_F(SerialTest, CreateTruncatesALongerFile) {
    ASSERT_TRUE(WriteFileBytes("t.dat", std::string(100, 'x')));
    HANDLE file;
    ASSERT_EQ(1, FileCreate(&file, "t.dat"));
    FileWrite(file, "ab", 2);
    FileClose(&file);
    EXPECT_EQ("ab", ReadFileBytes("t.dat"));
}

TEST_F(SerialTest, RecordListFiles) {
    VECTOR_CLASS<cSampleItem> items;
    ASSERT_EQ(1, SaveRecordList(items, "list.dat"));
    EXPECT_EQ(Hex(Bytes().U32(270).U32(0)), Hex(ReadFileBytes("list.dat")));

    items.resize(3);
    items[1].strName = "中";
    items[2].nLate = 9;
    ASSERT_EQ(1, SaveRecordList(items, "list.dat"));
    VECTOR_CLASS<cSampleItem> loaded(1);
    ASSERT_EQ(1, LoadRecordList(loaded, "list.dat"));
    ASSERT_EQ(3u, loaded.size());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(1, loaded[i].Compare(items[i])) << i;

    // Version 99 predates nLate: the records take it from their Load.
    ASSERT_TRUE(WriteFileBytes("old.dat", Bytes().U32(99).U32(2).I32(1).Str("a").I32(5).Str("")));
    ASSERT_EQ(1, LoadRecordList(loaded, "old.dat"));
    ASSERT_EQ(2u, loaded.size());
    EXPECT_EQ(2, loaded[0].nLate);
    EXPECT_EQ(10, loaded[1].nLate);
    EXPECT_EQ("", loaded[1].strName);

    const std::string hostile[] = {
        Bytes().U32(270).U32(3).I32(1).Str("a").I32(0),  // one record and a bit
        Bytes().U32(270).U32(0x40000000),
        Bytes().U32(270).U32(1).I32(1).I32(-1).I32(0),
        Bytes().U32(270),
        Bytes().U32(271).U32(0),
        std::string("\x0E\x01", 2),
    };
    int n = 0;
    for (const std::string& bytes : hostile) {
        ASSERT_TRUE(WriteFileBytes("bad.dat", bytes));
        VECTOR_CLASS<cSampleItem> kept(items);
        EXPECT_EQ(0, LoadRecordList(kept, "bad.dat")) << n;
        ASSERT_EQ(3u, kept.size()) << n;
        EXPECT_EQ(1, kept[1].Compare(items[1])) << n;
        ++n;
    }
    EXPECT_EQ(0, LoadRecordList(loaded, "missing.dat"));
}

// A closed memory file keeps none of its bytes: the pool used to hold a whole
// data file's buffer until the next file opened in the same slot.
TEST_F(SerialTest, ClosedMemoryFilesKeepNoBytes) {
    const std::string big(1 << 20, 'x');
    ASSERT_TRUE(WriteFileBytes("big.dat", Bytes().U32(270).Append(big)));
    HANDLE read = OpenDataFile("big.dat");
    ASSERT_NE(INVALID_HANDLE_VALUE, read);
    EXPECT_EQ(1, CloseDataFile(read));
    HANDLE written;
    ASSERT_EQ(1, CreateDataFile(&written, "out.dat"));
    FileWrite(written, big.data(), static_cast<unsigned>(big.size()));
    EXPECT_EQ(1, CloseDataFile(written));
    for (const file_detail::cMemFile& slot : file_detail::g_memFiles) EXPECT_LT(slot.bytes.capacity(), 4096u);
}

TEST_F(SerialTest, RecordVectorOperations) {
    VECTOR_CLASS<cSampleItem> a(2), b(5);
    a[1].nId = 50;
    b[4].nId = 40;
    EXPECT_EQ(1, SerialRecordVector(SERIAL_COMPARE, &a, &a, INVALID_HANDLE_VALUE));
    EXPECT_EQ(0, SerialRecordVector(SERIAL_COMPARE, &a, &b, INVALID_HANDLE_VALUE));
    SerialRecordVector(SERIAL_COPY, &b, &a, INVALID_HANDLE_VALUE);
    ASSERT_EQ(2u, b.size());
    EXPECT_EQ(50, b[1].nId);
    SerialRecordVector<cSampleItem>(SERIAL_CLEAR, &b, nullptr, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(b.empty());
}

TEST_F(SerialTest, OpCodesOutsideTheSixDoNothing) {
    int n = 5;
    std::string s = "x";
    VECTOR_CLASS<int> v = {1};
    for (int op : {-1, 6, 100}) {
        EXPECT_EQ(1, SerialInt(op, &n, nullptr, INVALID_HANDLE_VALUE));
        EXPECT_EQ(1, SerialString(op, &s, nullptr, INVALID_HANDLE_VALUE));
        EXPECT_EQ(1, SerialIntVector(op, &v, nullptr, INVALID_HANDLE_VALUE));
    }
    EXPECT_EQ(5, n);
    EXPECT_EQ("x", s);
    EXPECT_EQ(1u, v.size());
}

}  // namespace
