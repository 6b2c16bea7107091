#include "model/table_fields.h"

int SerialIntTable(int op, IntTable* field, const IntTable* other, HANDLE file) {
    switch (op) {
    case SERIAL_CLEAR:
        field->clear();
        return 1;
    case SERIAL_COPY:
        if (other) field->Assign(*other);
        return 1;
    case SERIAL_COMPARE:
        return other && *field == *other;
    case SERIAL_READ: {
        const long long count = serial_detail::ReadCount(file, 4);
        if (count < 0) return 1;
        field->assign(static_cast<size_t>(count), VECTOR_CLASS<int>());
        for (VECTOR_CLASS<int>& row : *field) {
            SerialIntVector(op, &row, nullptr, file);
            if (FileFailed(file)) break;
        }
        return 1;
    }
    case SERIAL_WRITE: {
        const uint32_t count = static_cast<uint32_t>(field->size());
        FileWrite(file, &count, 4);
        for (VECTOR_CLASS<int>& row : *field) SerialIntVector(op, &row, nullptr, file);
        return 1;
    }
    default:
        return 1;
    }
}
