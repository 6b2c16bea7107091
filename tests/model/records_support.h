// Helpers of the record tests: reading a record from the field bytes of a
// file of a given version, the bytes a record writes, and a fixture that
// gives every test fresh global lists.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/media_database.h"
#include "base/paths.h"
#include "base/serial.h"
#include "model/skill.h"
#include "model/system.h"
#include "tests/support/bytes.h"
#include "tests/support/seams.h"

// Reads `record` through its Load from `fields` (no version word) as a file
// of `version` would hold them; true when exactly every byte was consumed.
template <class T>
bool LoadFields(T& record, int version, const std::string& fields) {
    g_nFileVersion = static_cast<uint32_t>(version);
    HANDLE file = FileOpenMemory(fields.data(), fields.size());
    record.Load(file);
    const bool exact = !FileFailed(file) && FileBytesLeft(file) == 0;
    FileClose(&file);
    return exact;
}

// The field bytes `record` writes through its Save.
template <class T>
std::string SavedFields(T& record) {
    HANDLE file = FileCreateMemory();
    record.Save(file);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    return bytes;
}

// Writes and reads back a record at the current version.
template <class T>
T RoundTrip(T& record) {
    T back;
    back.Clear();
    const std::string bytes = SavedFields(record);
    EXPECT_TRUE(LoadFields(back, DATA_VERSION, bytes));
    return back;
}

// The global lists as a new project has them; the main window's fate and
// message boxes are recorded.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_nDataVersion = DATA_VERSION;
        g_bFileTooNew = 0;
        g_System.SetDefault();
        g_Database.SetDefault();
        g_SkillLists.clear();
    }
    void TearDown() override {
        g_System.SetDefault();
        g_Database.SetDefault();
        g_SkillLists.clear();
    }
    ScopedMainWindow m_mainWindow;
    ScopedBoxes m_boxes;
};

// The labels of a menu, in order.
inline std::vector<std::string> Labels(const VECTOR_CLASS<cCmd>& menu) {
    std::vector<std::string> labels;
    for (const cCmd& c : menu) labels.push_back(c.Label);
    return labels;
}

// A record-list file image: version word, count, then the records' bytes.
inline std::string ListFile(int version, int count, const std::string& records) {
    return Bytes().U32(static_cast<uint32_t>(version)).U32(static_cast<uint32_t>(count)).Append(records);
}
