#pragma once

// The program's string: single-byte text, stored as it is (no re-encoding), with the few
// operations the program's code uses. It has no Qt in it, so the file and settings code can use it
// without the user interface.

#include <cstddef>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {} // NOLINT: implicit, as callers expect
    CString(std::string text) : m_text(std::move(text)) {}  // NOLINT
    CString(std::string_view text) : m_text(text) {}        // NOLINT

    // The text as a zero-terminated C string; valid until the string is next changed.
    operator const char*() const { return m_text.c_str(); } // NOLINT: implicit, as callers expect
    const std::string& str() const { return m_text; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // printf-style formatting that replaces the whole text.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* other) {
        m_text += other ? other : "";
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const char* b) { return a += b; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }

private:
    std::string m_text;
};
