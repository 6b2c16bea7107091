#include "database/skills/csv_table.h"

#include <new>

#include "base/file.h"
#include "base/paths.h"

namespace {

const unsigned char kWideSpaceLead = 0x81, kWideSpaceTrail = 0x40;

bool IsPairAt(const std::string& text, size_t i) {
    return i + 1 < text.size() &&
           IsDoubleByteChar(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1]));
}

// One line without its line end into the row's cells.
void SplitLine(const std::string& line, CsvRow* row) {
    size_t pos = 0;
    for (;;) {
        std::string cell;
        bool comma = false;
        pos = SplitCsvField(line, pos, &cell, &comma);
        TrimCsvCell(cell);
        row->push_back(cell);
        if (!comma) break;
    }
}

}  // namespace

size_t SplitCsvField(const std::string& text, size_t pos, std::string* field, bool* comma) {
    field->clear();
    *comma = false;
    size_t i = pos;
    const size_t n = text.size();
    if (i < n && text[i] == '"') {
        for (++i; i < n && text[i] != '\n';) {
            if (text[i] == '"') {
                if (i + 1 < n && text[i + 1] == '"') {
                    *field += '"';
                    i += 2;
                    continue;
                }
                ++i;  // the closing quote
                break;
            }
            *field += text[i++];
        }
    }
    for (; i < n; ++i) {
        if (text[i] == ',') {
            *comma = true;
            return i + 1;
        }
        if (text[i] == '\n') return i + 1;
        *field += text[i];
    }
    return n;
}

void TrimCsvCell(std::string& cell) {
    for (;;) {
        if (!cell.empty() && cell[0] == ' ') {
            cell.erase(0, 1);
        } else if (cell.size() >= 2 && static_cast<unsigned char>(cell[0]) == kWideSpaceLead &&
                   static_cast<unsigned char>(cell[1]) == kWideSpaceTrail) {
            cell.erase(0, 2);
        } else {
            break;
        }
    }
    // The end is found by walking the characters from the start: the bytes of
    // a full-width space may be the trail byte of one character and the next.
    size_t keep = 0;
    for (size_t i = 0; i < cell.size();) {
        const bool pair = IsPairAt(cell, i);
        const bool space = pair ? static_cast<unsigned char>(cell[i]) == kWideSpaceLead &&
                                      static_cast<unsigned char>(cell[i + 1]) == kWideSpaceTrail
                                : cell[i] == ' ';
        i += pair ? 2 : 1;
        if (!space) keep = i;
    }
    cell.resize(keep);
}

void ParseCsvText(const std::string& text, CsvTable* table) {
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        // A carriage return before the line feed is part of the line end.
        const size_t length = end > start && text[end - 1] == '\r' && end < text.size() ? end - start - 1 : end - start;
        CsvRow row;
        SplitLine(text.substr(start, length), &row);
        if (FileFaulted(FILE_FAULT_PARSE)) throw std::bad_alloc();
        table->push_back(std::move(row));
        start = next;
    }
}

std::string QuoteCsvCell(const std::string& cell) {
    if (cell.find_first_of(",\"") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string FormatCsvText(const CsvTable& table) {
    std::string text;
    for (const CsvRow& row : table) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c) text += ',';
            text += QuoteCsvCell(row[c]);
        }
        text += "\r\n";
    }
    return text;
}

int ReadCsvFile(const char* path, CsvTable* table, unsigned long long maxBytes, int* failure) {
    std::string bytes;
    if (!FileReadAll(path, &bytes, maxBytes, failure)) return 0;
    // A row takes far more memory than its bytes: a file that the process
    // cannot hold as rows fails this read and leaves the table as it was.
    const size_t rows = table->size();
    try {
        CsvTable read;
        ParseCsvText(bytes, &read);
        std::string().swap(bytes);
        table->reserve(rows + read.size());
        for (CsvRow& row : read) table->push_back(std::move(row));
    } catch (const std::bad_alloc&) {
        table->resize(rows);
        if (failure) *failure = FILE_READ_NO_MEMORY;
        return 0;
    }
    return 1;
}

int WriteCsvFile(const char* path, const CsvTable& table) {
    const std::string text = FormatCsvText(table);
    HANDLE file;
    if (!FileCreateReplacing(&file, path)) return 0;
    const int written = text.empty() || FileWrite(file, text.data(), static_cast<unsigned>(text.size()));
    if (!written) FileSetFailed(file);
    return FileClose(&file) && written;
}
