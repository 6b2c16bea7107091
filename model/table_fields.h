// Field primitives for the nested vectors of classes and characters: a table
// of int rows (the senses) and a table of record rows (the skill slots). Each
// is stored as a u32 row count, then every row as an int vector or a record
// vector.
#pragma once

#include "base/serial.h"

using IntTable = VECTOR_CLASS<VECTOR_CLASS<int>>;
template <class T>
using RecordTable = VECTOR_CLASS<VECTOR_CLASS<T>>;

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
