#include "platform/RegEdit4.h"

#include "platform/HexDigit.h"
#include "platform/LittleEndian.h"
#include "platform/Registry.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t wrapColumn = 76;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && isBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

// Hands out the lines of a text one by one; CR, LF and CRLF all end a line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool next(std::string_view& line) {
        if (m_pos >= m_text.size())
            return false;
        const std::size_t end = m_text.find_first_of("\r\n", m_pos);
        if (end == std::string_view::npos) {
            line = m_text.substr(m_pos);
            m_pos = m_text.size();
        } else {
            line = m_text.substr(m_pos, end - m_pos);
            m_pos = end + 1;
            if (m_text[end] == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n')
                ++m_pos;
        }
        ++m_number;
        return true;
    }

    std::size_t number() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
};

using Failure = std::optional<std::string>;

// Reads a quoted string starting at line[pos] == '"'; pos ends past the closing quote.
Failure readQuoted(std::string_view line, std::size_t& pos, std::string& out) {
    ++pos;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == '"')
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= line.size())
            break;
        switch (line[pos++]) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return "unknown escape sequence in a string";
        }
    }
    return "string not closed on its line";
}

void skipBlanks(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
}

bool atEnd(std::string_view line, std::size_t pos) {
    return pos >= line.size() || line[pos] == ';';
}

Failure expectEnd(std::string_view line, std::size_t pos) {
    skipBlanks(line, pos);
    if (!atEnd(line, pos))
        return "unexpected text after the value";
    return std::nullopt;
}

// Reads 1 to 8 hex digits as a number; pos ends past them.
Failure readHexNumber(std::string_view line, std::size_t& pos, DWORD& out) {
    out = 0;
    std::size_t digits = 0;
    while (pos < line.size() && hexDigit(line[pos]) >= 0) {
        if (++digits > 8)
            return "more than 8 hex digits";
        out = (out << 4) | static_cast<DWORD>(hexDigit(line[pos++]));
    }
    if (digits == 0)
        return "hex digits expected";
    return std::nullopt;
}

class Parser {
public:
    Parser(std::string_view text, Hive& hive) : m_lines(text), m_hive(hive) {}

    std::optional<RegEdit4::Error> run() {
        std::string_view line;
        if (!m_lines.next(line) || line != RegEdit4::header)
            return RegEdit4::Error{1, "the first line is not REGEDIT4"};
        while (m_lines.next(line)) {
            const std::string_view content = trimmed(line);
            if (content.empty() || content.front() == ';')
                continue;
            Failure failure;
            if (content.front() == '[')
                failure = keyLine(content);
            else if (content.front() == '"' || content.front() == '@')
                failure = valueLine(content);
            else
                failure = "not a key, value or comment line";
            if (failure)
                return RegEdit4::Error{m_lines.number(), std::move(*failure)};
        }
        return std::nullopt;
    }

private:
    Failure keyLine(std::string_view line) {
        if (line.size() < 2 || line.back() != ']')
            return "a key line must end with ']'";
        std::string_view name = line.substr(1, line.size() - 2);
        const bool deletion = !name.empty() && name.front() == '-';
        if (deletion)
            name.remove_prefix(1);
        const std::optional<std::string> path = Hive::pathFromKeyName(name);
        if (!path)
            return "not a valid key name below HKEY_LOCAL_MACHINE";
        if (deletion) {
            if (path->empty())
                return "HKEY_LOCAL_MACHINE itself cannot be deleted";
            m_hive.deleteKey(*path);
            m_key.reset();
        } else {
            m_hive.addKey(*path);
            m_key = *path;
        }
        return std::nullopt;
    }

    Failure valueLine(std::string_view line) {
        if (!m_key)
            return "a value line outside a key";
        std::size_t pos = 0;
        std::string name;
        if (line.front() == '@') {
            pos = 1;
        } else if (Failure failure = readQuoted(line, pos, name)) {
            return failure;
        }
        skipBlanks(line, pos);
        if (pos >= line.size() || line[pos] != '=')
            return "'=' expected after the value name";
        ++pos;
        skipBlanks(line, pos);
        const std::string_view data = line.substr(pos);
        if (data.starts_with('-')) {
            if (Failure failure = expectEnd(line, pos + 1))
                return failure;
            m_hive.deleteValue(*m_key, name);
            return std::nullopt;
        }
        if (data.starts_with('"'))
            return stringValue(line, pos, name);
        if (data.starts_with("dword:"))
            return dwordValue(line, pos + 6, name);
        if (data.starts_with("hex:"))
            return hexValue(line, pos + 4, name, REG_BINARY);
        if (data.starts_with("hex(")) {
            pos += 4;
            DWORD type = 0;
            if (Failure failure = readHexNumber(line, pos, type))
                return failure;
            if (line.substr(pos, 2) != "):")
                return "'):' expected after the type of a hex value";
            return hexValue(line, pos + 2, name, type);
        }
        return "unknown kind of value";
    }

    Failure stringValue(std::string_view line, std::size_t pos, const std::string& name) {
        std::string text;
        if (Failure failure = readQuoted(line, pos, text))
            return failure;
        if (Failure failure = expectEnd(line, pos))
            return failure;
        std::vector<BYTE> data(text.begin(), text.end());
        data.push_back(0);
        m_hive.setValue(*m_key, name, REG_SZ, std::move(data));
        return std::nullopt;
    }

    Failure dwordValue(std::string_view line, std::size_t pos, const std::string& name) {
        DWORD number = 0;
        if (Failure failure = readHexNumber(line, pos, number))
            return failure;
        if (Failure failure = expectEnd(line, pos))
            return failure;
        const std::array<BYTE, 4> bytes = LittleEndianBytes(number);
        m_hive.setValue(*m_key, name, REG_DWORD, std::vector<BYTE>(bytes.begin(), bytes.end()));
        return std::nullopt;
    }

    // A list of two-digit hex bytes separated by commas; a '\' after a comma continues it on the
    // next line.
    Failure hexValue(std::string_view line, std::size_t pos, const std::string& name, DWORD type) {
        std::vector<BYTE> data;
        bool needByte = false; // after a comma
        for (;;) {
            skipBlanks(line, pos);
            if (needByte && pos < line.size() && line[pos] == '\\') {
                if (Failure failure = expectEnd(line, pos + 1))
                    return "unexpected text after a line continuation";
                if (!m_lines.next(line))
                    return "the hex list continues past the end of the text";
                pos = 0;
                continue;
            }
            if (atEnd(line, pos)) {
                if (needByte)
                    return "the hex list ends with a comma";
                break;
            }
            if (!needByte && !data.empty()) {
                if (line[pos] != ',')
                    return "',' expected between hex bytes";
                ++pos;
                needByte = true;
                continue;
            }
            if (pos + 1 >= line.size() || hexDigit(line[pos]) < 0 || hexDigit(line[pos + 1]) < 0 ||
                (pos + 2 < line.size() && hexDigit(line[pos + 2]) >= 0))
                return "a byte must be two hex digits";
            data.push_back(static_cast<BYTE>(hexDigit(line[pos]) * 16 + hexDigit(line[pos + 1])));
            pos += 2;
            needByte = false;
        }
        m_hive.setValue(*m_key, name, type, std::move(data));
        return std::nullopt;
    }

    LineReader m_lines;
    Hive& m_hive;
    std::optional<std::string> m_key;
};

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string hexNumber(DWORD value, int digits) {
    static constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = hex[value & 0xf];
        value >>= 4;
    }
    return out;
}

// A string the quoted form can carry: one terminating zero, no other, and no line break.
bool isPlainString(const Hive::Value& value) {
    const auto& data = value.data;
    if (value.type != REG_SZ || data.empty() || data.back() != 0)
        return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n')
            return false;
    }
    return true;
}

void writeValue(std::string& out, const Hive::Value& value) {
    std::string line = value.name.empty() ? std::string("@") : quoted(value.name);
    line += '=';
    if (isPlainString(value)) {
        line += quoted(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                        value.data.size() - 1));
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
        const DWORD number =
            FromLittleEndian({value.data[0], value.data[1], value.data[2], value.data[3]});
        line += "dword:" + hexNumber(number, 8);
    } else {
        if (value.type == REG_BINARY) {
            line += "hex:";
        } else {
            std::string type = hexNumber(value.type, 8);
            type.erase(0, std::min(type.find_first_not_of('0'), type.size() - 1));
            line += "hex(" + type + "):";
        }
        std::size_t column = line.size();
        out += line;
        for (std::size_t i = 0; i < value.data.size(); ++i) {
            std::string byte = hexNumber(value.data[i], 2);
            if (i + 1 < value.data.size())
                byte += ',';
            if (i > 0 && column + byte.size() > wrapColumn) {
                out += "\\\n  ";
                column = 2;
            }
            out += byte;
            column += byte.size();
        }
        out += '\n';
        return;
    }
    out += line;
    out += '\n';
}

} // namespace

std::optional<RegEdit4::Error> RegEdit4::parse(std::string_view text, Hive& into) {
    if (text.empty())
        return std::nullopt;
    if (const std::size_t zero = text.find('\0'); zero != std::string_view::npos) {
        LineReader lines(text.substr(0, zero + 1));
        std::string_view line;
        while (lines.next(line)) {
        }
        return Error{lines.number(), "a zero byte: this is not a text file"};
    }
    return Parser(text, into).run();
}

std::string RegEdit4::serialize(const Hive& hive, std::string_view path) {
    std::string out(header);
    out += '\n';
    for (const Hive::Key& key : hive.keys(path)) {
        out += "\n[";
        out += Hive::keyName(key.path);
        out += "]\n";
        for (const Hive::Value& value : key.values)
            writeValue(out, value);
    }
    out += '\n';
    return out;
}
