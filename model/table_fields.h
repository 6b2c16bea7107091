// Field primitives for the nested vectors of classes and characters: a table
// of int rows (the senses) and a table of record rows (the skill slots). Each
// is stored as a u32 row count, then every row as an int vector or a record
// vector.
#pragma once

#include "model/serial.h"

using IntTable = VECTOR_CLASS<VECTOR_CLASS<int>>;
template <class T>
using RecordTable = VECTOR_CLASS<VECTOR_CLASS<T>>;

// A vector stored as a u32 count and then its elements one after another;
// `element` (op, element, other's element or null, file) carries one element
// through every op but clear and copy. Each element takes at least `minSize`
// bytes, so that a count the rest of the file cannot hold fails the file.
template <class T, class Element>
int SerialEach(int op, VECTOR_CLASS<T>* field, const VECTOR_CLASS<T>* other, HANDLE file, unsigned minSize,
               Element element) {
    switch (op) {
    case SERIAL_CLEAR:
        field->clear();
        return 1;
    case SERIAL_COPY:
        if (other) field->Assign(*other);
        return 1;
    case SERIAL_COMPARE:
        if (!other || field->size() != other->size()) return 0;
        for (size_t i = 0; i < field->size(); ++i)
            if (!element(op, &(*field)[i], &(*other)[i], file)) return 0;
        return 1;
    case SERIAL_READ: {
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
        const uint32_t count = static_cast<uint32_t>(field->size());
        FileWrite(file, &count, 4);
        for (T& e : *field) element(op, &e, nullptr, file);
        return 1;
    }
    default:
        for (T& e : *field) element(op, &e, nullptr, file);
        return 1;
    }
}

inline int SerialIntTable(int op, IntTable* field, const IntTable* other, HANDLE file) {
    return SerialEach(op, field, other, file, 4, &SerialIntVector);
}

template <class T>
int SerialRecordTable(int op, RecordTable<T>* field, const RecordTable<T>* other, HANDLE file) {
    return SerialEach(op, field, other, file, 4, &SerialRecordVector<T>);
}

inline int SerialField(int op, IntTable* f, const IntTable* o, HANDLE file, int) {
    return SerialIntTable(op, f, o, file);
}
template <class T, class = std::enable_if_t<std::is_base_of<cSerial, T>::value>>
int SerialField(int op, RecordTable<T>* f, const RecordTable<T>* o, HANDLE file, int) {
    return SerialRecordTable(op, f, o, file);
}

// Entry [row][column], or 0 where the table has none.
inline int TableCell(const IntTable& table, size_t row, size_t column) {
    if (row >= table.size() || column >= table[row].size()) return 0;
    return table[row][column];
}
