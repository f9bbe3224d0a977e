#include "tools/RegTool.h"

#include "platform/HexDigit.h"
#include "platform/Hive.h"
#include "platform/HiveFile.h"
#include "platform/LittleEndian.h"
#include "platform/RegEdit4.h"
#include "platform/Registry.h"

#include <array>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>

namespace {

constexpr const char* usageText =
    "usage: vornreg get KEY NAME\n"
    "       vornreg set KEY NAME sz|dword|hex|hex(N) TEXT\n"
    "       vornreg delete KEY [NAME]\n"
    "       vornreg import FILE|-\n"
    "       vornreg export [KEY]\n"
    "\n"
    "KEY is a full key name, such as\n"
    "  \"HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo\".\n"
    "NAME \"\" is the unnamed value. TEXT of a dword is a decimal number or 0x and hex digits;\n"
    "TEXT of hex is two-digit hex bytes separated by commas, as in \"01,ff,20\".\n"
    "get prints a string up to its first zero, a dword in decimal, anything else as hex bytes.\n"
    "\n"
    "The settings file is $VORN_REGISTRY when set, else $XDG_CONFIG_HOME/vorn/registry.reg,\n"
    "else ~/.config/vorn/registry.reg.\n"
    "Exit status: 0 done, 1 key or value not found, 2 usage or other error.\n";

std::string hexBytes(const std::vector<BYTE>& data) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i > 0)
            text += ',';
        text += digits[data[i] >> 4];
        text += digits[data[i] & 0xf];
    }
    return text;
}

std::optional<std::vector<BYTE>> parseHexBytes(std::string_view text) {
    std::vector<BYTE> data;
    if (text.empty())
        return data;
    for (std::size_t pos = 0;; pos += 3) {
        if (pos + 2 > text.size() || hexDigit(text[pos]) < 0 || hexDigit(text[pos + 1]) < 0)
            return std::nullopt;
        data.push_back(static_cast<BYTE>(hexDigit(text[pos]) * 16 + hexDigit(text[pos + 1])));
        if (pos + 2 == text.size())
            return data;
        if (text[pos + 2] != ',')
            return std::nullopt;
    }
}

std::optional<DWORD> parseNumber(std::string_view text, int base) {
    DWORD number = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number, base);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return number;
}

std::optional<DWORD> parseDword(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X"))
        return text.size() <= 10 ? parseNumber(text.substr(2), 16) : std::nullopt;
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        return std::nullopt;
    return parseNumber(text, 10);
}

// "hex" is REG_BINARY; "hex(N)" is type N, given in hex as in the file.
std::optional<DWORD> parseHexType(std::string_view type) {
    if (type == "hex")
        return REG_BINARY;
    if (!type.starts_with("hex(") || !type.ends_with(")") || type.size() > 13)
        return std::nullopt;
    const std::string_view digits = type.substr(4, type.size() - 5);
    if (digits.starts_with('+') || digits.starts_with('-'))
        return std::nullopt;
    return parseNumber(digits, 16);
}

} // namespace

RegTool::RegTool(std::ostream& out, std::ostream& err, std::istream& in)
    : m_out(out), m_err(err), m_in(in) {}

int RegTool::usage(int status) {
    (status == exitOk ? m_out : m_err) << usageText;
    return status;
}

int RegTool::error(const std::string& message) {
    m_err << "vornreg: " << message << '\n';
    return exitError;
}

int RegTool::run(const std::vector<std::string>& args) {
    const int status = dispatch(args);
    // Standard output is buffered: a full disk or a closed pipe shows only when it is flushed.
    if (!m_out.flush())
        return error("cannot write the output");
    return status;
}

int RegTool::dispatch(const std::vector<std::string>& args) {
    if (args.empty())
        return usage(exitError);
    const std::string& command = args[0];
    const std::size_t count = args.size() - 1;
    if (command == "help" || command == "-h" || command == "--help")
        return usage(exitOk);
    if (command == "get" && count == 2)
        return get(args[1], args[2]);
    if (command == "set" && count == 4)
        return set(args[1], args[2], args[3], args[4]);
    if (command == "delete" && (count == 1 || count == 2))
        return remove(args[1], count == 2 ? &args[2] : nullptr);
    if (command == "import" && count == 1)
        return import(args[1]);
    if (command == "export" && count <= 1)
        return exportKeys(count == 1 ? &args[1] : nullptr);
    return usage(exitError);
}

namespace {

// The outcome of a write, as an exit status and a message.
int report(const HiveFile::Result& result, std::ostream& err, const std::string& notFound) {
    using Status = HiveFile::Status;
    switch (result.status) {
    case Status::Ok:
        return RegTool::exitOk;
    case Status::NotFound:
    case Status::Missing:
        err << "vornreg: " << notFound << '\n';
        return RegTool::exitNotFound;
    case Status::Unparseable:
        err << "vornreg: the settings file is not valid REGEDIT4 and was left as it is: "
            << result.reason << '\n';
        return RegTool::exitError;
    case Status::ReadOnly:
        err << "vornreg: the settings file is read-only: " << result.reason << '\n';
        return RegTool::exitError;
    case Status::Unreadable:
    case Status::Invalid:
    case Status::Failed:
        break;
    }
    err << "vornreg: " << result.reason << '\n';
    return RegTool::exitError;
}

} // namespace

int RegTool::get(const std::string& key, const std::string& name) {
    const std::optional<std::string> path = Hive::pathFromKeyName(key);
    if (!path)
        return error("not a key name below HKEY_LOCAL_MACHINE: " + key);
    const HiveFile file(HiveFile::defaultPath());
    const HiveFile::Contents contents = file.load();
    if (contents.status == HiveFile::Status::Missing) {
        m_err << "vornreg: no settings file at " << file.path().string() << '\n';
        return exitNotFound;
    }
    if (contents.status != HiveFile::Status::Ok)
        return error("cannot read " + file.path().string() + ": " + contents.reason);
    if (!contents.hive.keyExists(*path)) {
        m_err << "vornreg: no key " << key << '\n';
        return exitNotFound;
    }
    const Hive::Value* value = contents.hive.findValue(*path, name);
    if (!value) {
        m_err << "vornreg: no value \"" << name << "\" in " << key << '\n';
        return exitNotFound;
    }
    if (value->type == REG_SZ) {
        std::string text(value->data.begin(), value->data.end());
        m_out << text.substr(0, text.find('\0')) << '\n';
    } else if (value->type == REG_DWORD && value->data.size() == 4) {
        m_out << FromLittleEndian({value->data[0], value->data[1], value->data[2], value->data[3]})
              << '\n';
    } else {
        m_out << hexBytes(value->data) << '\n';
    }
    return exitOk;
}

int RegTool::set(const std::string& key, const std::string& name, const std::string& type,
                 const std::string& text) {
    const std::optional<std::string> path = Hive::pathFromKeyName(key);
    if (!path)
        return error("not a key name below HKEY_LOCAL_MACHINE: " + key);
    DWORD valueType = REG_SZ;
    std::vector<BYTE> data;
    if (type == "sz") {
        data.assign(text.begin(), text.end());
        data.push_back(0);
    } else if (type == "dword") {
        const std::optional<DWORD> number = parseDword(text);
        if (!number)
            return error("not a number from 0 to 4294967295: " + text);
        valueType = REG_DWORD;
        const std::array<BYTE, 4> bytes = LittleEndianBytes(*number);
        data.assign(bytes.begin(), bytes.end());
    } else if (const std::optional<DWORD> hexType = parseHexType(type)) {
        const auto bytes = parseHexBytes(text);
        if (!bytes)
            return error("not two-digit hex bytes separated by commas: " + text);
        valueType = *hexType;
        data = *bytes;
    } else {
        return error("unknown type " + type + " (sz, dword, hex or hex(N))");
    }

    const HiveFile file(HiveFile::defaultPath());
    const HiveFile::Result result = file.update(
        [&](Hive& hive) {
            hive.setValue(*path, name, valueType, data);
            return HiveFile::Status::Ok;
        },
        true);
    return report(result, m_err, "no key " + key);
}

int RegTool::remove(const std::string& key, const std::string* name) {
    const std::optional<std::string> path = Hive::pathFromKeyName(key);
    if (!path)
        return error("not a key name below HKEY_LOCAL_MACHINE: " + key);
    if (!name && path->empty())
        return error("HKEY_LOCAL_MACHINE itself cannot be deleted");
    const HiveFile file(HiveFile::defaultPath());
    const HiveFile::Result result = file.update(
        [&](Hive& hive) {
            const bool done = name ? hive.deleteValue(*path, *name) : hive.deleteKey(*path);
            return done ? HiveFile::Status::Ok : HiveFile::Status::NotFound;
        },
        false);
    return report(result, m_err, name ? "no value \"" + *name + "\" in " + key : "no key " + key);
}

int RegTool::import(const std::string& fileName) {
    std::string text;
    if (fileName == "-") {
        char buffer[65536];
        while (m_in.read(buffer, sizeof buffer) || m_in.gcount() > 0) {
            text.append(buffer, static_cast<std::size_t>(m_in.gcount()));
            if (text.size() > HiveFile::maxSize)
                return error("the input is larger than 16 MiB; nothing was imported");
        }
        // Checked on its own first, so that a faulty input changes nothing.
        Hive scratch;
        if (const auto failure = RegEdit4::parse(text, scratch)) {
            return error("the input, line " + std::to_string(failure->line) + ": " +
                         failure->reason + "; nothing was imported");
        }
    } else {
        HiveFile::Contents contents = HiveFile(fileName).load();
        if (contents.status != HiveFile::Status::Ok)
            return error(fileName + ": " + contents.reason + "; nothing was imported");
        text = std::move(contents.text);
    }

    const HiveFile file(HiveFile::defaultPath());
    const HiveFile::Result result = file.update(
        [&](Hive& hive) {
            return RegEdit4::parse(text, hive) ? HiveFile::Status::Invalid : HiveFile::Status::Ok;
        },
        true);
    return report(result, m_err, "nothing to import");
}

int RegTool::exportKeys(const std::string* key) {
    std::optional<std::string> path = std::string();
    if (key) {
        path = Hive::pathFromKeyName(*key);
        if (!path)
            return error("not a key name below HKEY_LOCAL_MACHINE: " + *key);
    }
    const HiveFile file(HiveFile::defaultPath());
    const HiveFile::Contents contents = file.load();
    if (contents.status == HiveFile::Status::Missing && key) {
        m_err << "vornreg: no settings file at " << file.path().string() << '\n';
        return exitNotFound;
    }
    if (contents.status != HiveFile::Status::Ok && contents.status != HiveFile::Status::Missing)
        return error("cannot read " + file.path().string() + ": " + contents.reason);
    if (!contents.hive.keyExists(*path)) {
        m_err << "vornreg: no key " << *key << '\n';
        return exitNotFound;
    }
    m_out << RegEdit4::serialize(contents.hive, *path);
    return exitOk;
}
