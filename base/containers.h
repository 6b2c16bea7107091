// The program's containers with guarded indexed access, and the two string
// helpers every subsystem uses.
#pragma once

#include <algorithm>
#include <cstdarg>
#include <list>
#include <string>
#include <vector>

// printf-style checking of format arguments.
#if defined(__MINGW_PRINTF_FORMAT)
#define ORR_PRINTF(f, a) __attribute__((format(__MINGW_PRINTF_FORMAT, f, a)))
#elif defined(__GNUC__)
#define ORR_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define ORR_PRINTF(f, a)
#endif

// Writes "err V[...]" / "err L[...]" to both logs and takes the main frame
// down (MAINWND_DESTROY) or asks it to close (MAINWND_CLOSE).
void ReportIndexError(const char* format, int index, int count, int size, int action);

template <class T>
class VECTOR_CLASS : public std::vector<T> {
public:
    using std::vector<T>::vector;
    VECTOR_CLASS() = default;
    VECTOR_CLASS(const VECTOR_CLASS&) = default;
    VECTOR_CLASS(VECTOR_CLASS&&) = default;
    VECTOR_CLASS& operator=(VECTOR_CLASS&&) = default;
    // A copy onto an empty vector from an empty one, which most of a
    // record's sub-lists are, costs no call.
    VECTOR_CLASS& operator=(const VECTOR_CLASS& source) {
        if (!source.empty() || !this->empty()) std::vector<T>::operator=(source);
        return *this;
    }

    // Element i; outside the vector the error is logged, the main frame is
    // destroyed and element 0 (a static default when empty) is returned.
    T& At(int index) { return Guarded(index, 0); }
    const T& At(int index) const { return const_cast<VECTOR_CLASS*>(this)->Guarded(index, 0); }
    // As At, but the main frame is asked to close instead (its quit handling
    // runs); the sound layer and the property-sheet page list use this one.
    T& AtOrClose(int index) { return Guarded(index, 1); }

    // Resizes to the source's count (new slots copies of one default T,
    // surplus destroyed at the end), then assigns element by element.
    VECTOR_CLASS& Assign(const VECTOR_CLASS& source) {
        if (&source == this) return *this;
        if (source.empty()) {  // the usual sub-list: no default to build
            this->clear();
            return *this;
        }
        const T blank{};
        this->resize(source.size(), blank);
        for (size_t i = 0; i < source.size(); ++i) (*this)[i] = source[i];
        return *this;
    }

    // 1 erased, 0 when the index (taken as unsigned) is not below the count.
    int EraseAt(unsigned index) {
        if (index >= this->size()) return 0;
        this->erase(this->begin() + index);
        return 1;
    }
    // 1 erased, 0 when `element` is no element of this vector.
    int ErasePtr(const T& element) {
        const int i = IndexOf(element);
        if (i < 0) return 0;
        this->erase(this->begin() + i);
        return 1;
    }
    // Inserts a copy of `value` before `element`; 0 when that is no element.
    int InsertBefore(const T& element, const T& value) {
        const int i = IndexOf(element);
        if (i < 0) return 0;
        T copy(value);  // `value` may live in this vector
        this->insert(this->begin() + i, std::move(copy));
        return 1;
    }
    // Position of an element of this vector, -1 for anything else.
    int IndexOf(const T& element) const {
        if (this->empty()) return -1;
        const T* first = this->data();
        const T* p = &element;
        if (std::less<const T*>()(p, first) || !std::less<const T*>()(p, first + this->size())) return -1;
        return static_cast<int>(p - first);
    }

    void Fill(const T& value) { std::fill(this->begin(), this->end(), value); }
    int CountNonZero() const {
        return static_cast<int>(std::count_if(this->begin(), this->end(), [](const T& v) { return v != T(); }));
    }

private:
    T& Guarded(int index, int action) {
        if (index >= 0 && static_cast<size_t>(index) < this->size()) return (*this)[index];
        ReportIndexError("err V[%d] ( %d , %d )", index, static_cast<int>(this->size()), static_cast<int>(sizeof(T)),
                         action);
        if (this->empty()) {
            static T fallback;
            return fallback;
        }
        return this->front();
    }
};

template <class T>
class LIST_CLASS : public std::list<T> {
public:
    using std::list<T>::list;

    // Element i, walked from the first; outside the list the error is logged,
    // the main frame destroyed and the list's static default returned.
    T& At(int index) {
        if (index >= 0 && static_cast<size_t>(index) < this->size()) {
            auto it = this->begin();
            std::advance(it, index);
            return *it;
        }
        ReportIndexError("err L[%d] ( %d , %d )", index, static_cast<int>(this->size()), static_cast<int>(sizeof(T)),
                         0);
        return DefaultElement();
    }

    // The same object on every failure, built on first use.
    static T& DefaultElement() {
        static T element;
        return element;
    }
};

// An index of a list is valid when, taken as unsigned, it is below the count,
// so a negative index is outside as well: the rule every fix-up clamps by.
inline bool Outside(int index, size_t count) { return static_cast<unsigned>(index) >= count; }

// printf into `destination` through a 4196-byte buffer (longer text is cut at
// 4195 bytes); returns the destination. AppendFormat adds the text to what
// `destination` holds: the row texts are built with it.
std::string& StringPrintf(std::string& destination, const char* format, ...) ORR_PRINTF(2, 3);
std::string& AppendFormat(std::string& destination, const char* format, ...) ORR_PRINTF(2, 3);

// Decimal digits of a number without its sign; 1 for 0 to 9.
int CountDigits(int value);
std::string& StringVPrintf(std::string& destination, const char* format, va_list args);

// The characters of `text`, or a static empty text, never null.
const char* StrOrEmpty(const std::string& text);
