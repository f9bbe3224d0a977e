// The REGEDIT4 text form: what reads, what makes a text unreadable, and the canonical form written.

#include "platform/RegEdit4.h"
#include "platform/Registry.h"
#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string K = "[HKEY_LOCAL_MACHINE\\K]\n";

std::string canonical(const std::string& text) {
    Hive hive;
    const auto error = RegEdit4::parse(text, hive);
    EXPECT_FALSE(error) << "line " << error->line << ": " << error->reason;
    return RegEdit4::serialize(hive);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(RegEdit4, ReadsEveryFormAndWritesItCanonically) {
    const struct {
        const char* what;
        std::string text;
        std::string written;
    } cases[] = {
        {"empty text", "", "REGEDIT4\n\n"},
        {"header only", "REGEDIT4", "REGEDIT4\n\n"},
        {"string", "REGEDIT4\n" + K + "\"Directory\"=\"/games/vorn\"",
         "REGEDIT4\n\n" + K + "\"Directory\"=\"/games/vorn\"\n\n"},
        {"escapes", "REGEDIT4\n" + K + R"("a\\b\"c"="x\\y\"z")",
         "REGEDIT4\n\n" + K + R"("a\\b\"c"="x\\y\"z")" + "\n\n"},
        {"line breaks in a string become raw bytes", "REGEDIT4\n" + K + R"("s"="a\nb\r")",
         "REGEDIT4\n\n" + K + "\"s\"=hex(1):61,0a,62,0d,00\n\n"},
        {"line break in a name", "REGEDIT4\n" + K + R"("a\nb"="")",
         "REGEDIT4\n\n" + K + R"("a\nb"="")" + "\n\n"},
        {"unnamed value, blanks around =", "REGEDIT4\n" + K + "@ =\t\"u\"",
         "REGEDIT4\n\n" + K + "@=\"u\"\n\n"},
        {"empty name is the unnamed value", "REGEDIT4\n" + K + "\"\"=\"u\"\n@=\"v\"",
         "REGEDIT4\n\n" + K + "@=\"v\"\n\n"},
        {"dword of 1 and 8 digits, any case",
         "REGEDIT4\n" + K + "\"a\"=dword:7\n\"b\"=dword:FFFFfffe",
         "REGEDIT4\n\n" + K + "\"a\"=dword:00000007\n\"b\"=dword:fffffffe\n\n"},
        {"empty and typed hex lists",
         "REGEDIT4\n" + K +
             "\"a\"=hex:\n\"b\"=hex(0):\n\"c\"=hex(7):41,00,00\n\"d\"=hex(FFFFFFFF):01",
         "REGEDIT4\n\n" + K +
             "\"a\"=hex:\n\"b\"=hex(0):\n\"c\"=hex(7):41,00,00\n\"d\"=hex(ffffffff):01\n\n"},
        {"hex forms of a string and a dword",
         "REGEDIT4\n" + K + "\"s\"=hex(1):41,00\n\"d\"=hex(4):80,02,00,00\n\"n\"=hex(4):01",
         "REGEDIT4\n\n" + K + "\"s\"=\"A\"\n\"d\"=dword:00000280\n\"n\"=hex(4):01\n\n"},
        {"continued hex list with blanks and a comment",
         "REGEDIT4\n" + K + "\"b\"=hex: 01 , 02,\\\n\t03,  \\  \n  04 ; end",
         "REGEDIT4\n\n" + K + "\"b\"=hex:01,02,03,04\n\n"},
        {"comments, blank lines, indentation",
         "REGEDIT4\n; c\n\n  [HKEY_LOCAL_MACHINE\\K]  \n  \"a\"=\"x\" ; c\n\t;\n",
         "REGEDIT4\n\n" + K + "\"a\"=\"x\"\n\n"},
        {"CR and CRLF line ends", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\K]\r\"a\"=\"x\"\r\n",
         "REGEDIT4\n\n" + K + "\"a\"=\"x\"\n\n"},
        {"root in any case, trailing backslash, repeated key",
         "REGEDIT4\n[hkey_local_machine\\K\\]\n\"a\"=\"1\"\n[HKEY_LOCAL_MACHINE\\L]\n"
         "[HKEY_LOCAL_MACHINE\\k]\n\"A\"=\"2\"\n\"b\"=\"3\"",
         "REGEDIT4\n\n" + K + "\"a\"=\"2\"\n\"b\"=\"3\"\n\n[HKEY_LOCAL_MACHINE\\L]\n\n"},
        {"value and key deletion",
         "REGEDIT4\n" + K +
             "\"a\"=\"1\"\n\"b\"=\"2\"\n\"A\"=-\n[HKEY_LOCAL_MACHINE\\K\\S]\n"
             "[HKEY_LOCAL_MACHINE\\KS]\n[-HKEY_LOCAL_MACHINE\\K]\n[HKEY_LOCAL_MACHINE\\K\\T]",
         "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\KS]\n\n[HKEY_LOCAL_MACHINE\\K\\T]\n\n"},
        {"the root key", "REGEDIT4\n[HKEY_LOCAL_MACHINE]\n@=\"r\"",
         "REGEDIT4\n\n[HKEY_LOCAL_MACHINE]\n@=\"r\"\n\n"},
        {"single-byte text kept as it is", "REGEDIT4\n" + K + "\"\xe9t\xe9\"=\"\xa0\xff\"",
         "REGEDIT4\n\n" + K + "\"\xe9t\xe9\"=\"\xa0\xff\"\n\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(canonical(c.text), c.written) << c.what;
}

TEST(RegEdit4, RejectsTheWholeTextForAnyLineItCannotRead) {
    const struct {
        const char* what;
        std::string text;
        std::size_t line;
    } cases[] = {
        {"another header", "Windows Registry Editor Version 5.00\n" + K, 1},
        {"header in other case", "regedit4\n", 1},
        {"header with a blank", "REGEDIT4 \n", 1},
        {"header after a blank line", "\nREGEDIT4\n", 1},
        {"value before any key", "REGEDIT4\n\"a\"=\"x\"\n", 2},
        {"value after a key deletion", "REGEDIT4\n[-HKEY_LOCAL_MACHINE\\K]\n\"a\"=\"x\"\n", 3},
        {"another root", "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n", 2},
        {"abbreviated root", "REGEDIT4\n[HKLM\\K]\n", 2},
        {"empty key component", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\\\\B]\n", 2},
        {"deleting the root", "REGEDIT4\n[-HKEY_LOCAL_MACHINE]\n", 2},
        {"key line not closed", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\K\n", 2},
        {"text after a key line", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\K] ; c\n", 2},
        {"bare word", "REGEDIT4\n" + K + "Directory=\"x\"\n", 3},
        {"no equals sign", "REGEDIT4\n" + K + "\"a\" \"x\"\n", 3},
        {"name not closed", "REGEDIT4\n" + K + "\"a=\"x\n", 3},
        {"string not closed", "REGEDIT4\n" + K + "\"a\"=\"x\n", 3},
        {"string continued on the next line", "REGEDIT4\n" + K + "\"a\"=\"x\\\ny\"\n", 3},
        {"unknown escape", "REGEDIT4\n" + K + "\"a\"=\"x\\ty\"\n", 3},
        {"text after a string", "REGEDIT4\n" + K + "\"a\"=\"x\" y\n", 3},
        {"unknown kind", "REGEDIT4\n" + K + "\"a\"=str:x\n", 3},
        {"upper-case kind", "REGEDIT4\n" + K + "\"a\"=DWORD:1\n", 3},
        {"text after deletion", "REGEDIT4\n" + K + "\"a\"=-x\n", 3},
        {"dword without digits", "REGEDIT4\n" + K + "\"a\"=dword:\n", 3},
        {"dword of 9 digits", "REGEDIT4\n" + K + "\"a\"=dword:000000001\n", 3},
        {"dword with a blank", "REGEDIT4\n" + K + "\"a\"=dword: 1\n", 3},
        {"dword not hex", "REGEDIT4\n" + K + "\"a\"=dword:12g\n", 3},
        {"hex byte of one digit", "REGEDIT4\n" + K + "\"a\"=hex:1\n", 3},
        {"hex byte of three digits", "REGEDIT4\n" + K + "\"a\"=hex:123\n", 3},
        {"hex bytes without comma", "REGEDIT4\n" + K + "\"a\"=hex:01 02\n", 3},
        {"hex list ending in a comma", "REGEDIT4\n" + K + "\"a\"=hex:01,\n", 3},
        {"hex list continued past the end", "REGEDIT4\n" + K + "\"a\"=hex:01,\\\n", 3},
        {"hex list continued onto a blank line", "REGEDIT4\n" + K + "\"a\"=hex:01,\\\n\n", 4},
        {"continuation before any byte", "REGEDIT4\n" + K + "\"a\"=hex:\\\n01\n", 3},
        {"text after a continuation", "REGEDIT4\n" + K + "\"a\"=hex:01,\\ x\n02\n", 3},
        {"hex type empty", "REGEDIT4\n" + K + "\"a\"=hex():01\n", 3},
        {"hex type not closed", "REGEDIT4\n" + K + "\"a\"=hex(1:01\n", 3},
        {"hex type of 9 digits", "REGEDIT4\n" + K + "\"a\"=hex(100000000):01\n", 3},
        {"zero byte", "REGEDIT4\n" + K + "\"a\"=\"x" + std::string(1, '\0') + "\"\n", 3},
    };
    for (const auto& c : cases) {
        Hive hive;
        const auto error = RegEdit4::parse(c.text, hive);
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(error->line, c.line) << c.what << ": " << error->reason;
        EXPECT_FALSE(error->reason.empty()) << c.what;
    }
}

TEST(RegEdit4, ChoosesTheFormThatKeepsTheExactBytes) {
    const struct {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
        std::string line;
    } cases[] = {
        {"string with its terminator", REG_SZ, {'a', 'b', 0}, "\"v\"=\"ab\""},
        {"empty string", REG_SZ, {0}, "\"v\"=\"\""},
        {"string without terminator", REG_SZ, {'a', 'b'}, "\"v\"=hex(1):61,62"},
        {"string of no bytes", REG_SZ, {}, "\"v\"=hex(1):"},
        {"string with two zeros", REG_SZ, {'a', 0, 0}, "\"v\"=hex(1):61,00,00"},
        {"string with an inner zero", REG_SZ, {'a', 0, 'b', 0}, "\"v\"=hex(1):61,00,62,00"},
        {"string with a line feed", REG_SZ, {'a', '\n', 0}, "\"v\"=hex(1):61,0a,00"},
        {"string with a carriage return", REG_SZ, {'\r', 0}, "\"v\"=hex(1):0d,00"},
        {"string with quote and backslash", REG_SZ, {'"', '\\', 0}, R"("v"="\"\\")"},
        {"dword", REG_DWORD, {0x80, 0x02, 0, 0}, "\"v\"=dword:00000280"},
        {"dword of 3 bytes", REG_DWORD, {1, 2, 3}, "\"v\"=hex(4):01,02,03"},
        {"dword of 8 bytes",
         REG_DWORD,
         {1, 0, 0, 0, 0, 0, 0, 0},
         "\"v\"=hex(4):01,00,00,00,00,00,00,00"},
        {"binary", REG_BINARY, {0xde, 0xad}, "\"v\"=hex:de,ad"},
        {"no type", 0, {}, "\"v\"=hex(0):"},
        {"expandable string", 2, {'%', 0}, "\"v\"=hex(2):25,00"},
        {"large type number", 0x12345678, {1}, "\"v\"=hex(12345678):01"},
    };
    for (const auto& c : cases) {
        Hive hive;
        hive.setValue("K", "v", c.type, c.data);
        const std::string text = RegEdit4::serialize(hive);
        EXPECT_EQ(text, "REGEDIT4\n\n" + K + c.line + "\n\n") << c.what;
        Hive back;
        EXPECT_FALSE(RegEdit4::parse(text, back)) << c.what;
        EXPECT_TRUE(back == hive) << c.what;
    }
}

TEST(RegEdit4, WrapsLongHexListsAndReadsThemBack) {
    for (const std::size_t size : {0u, 1u, 21u, 22u, 23u, 24u, 25u, 47u, 48u, 300u}) {
        for (const std::string& name : {std::string("b"), std::string(90, 'n')}) {
            Hive hive;
            std::vector<BYTE> data(size);
            for (std::size_t i = 0; i < size; ++i)
                data[i] = static_cast<BYTE>(i * 7);
            hive.setValue("K", name, REG_BINARY, data);
            const std::string text = RegEdit4::serialize(hive);

            const auto all = lines(text);
            for (std::size_t i = 3; i + 1 < all.size(); ++i) {
                const std::string& line = all[i];
                if (i > 3) {
                    EXPECT_EQ(line.substr(0, 2), "  ") << size << ": " << line;
                }
                const bool continued = !line.empty() && line.back() == '\\';
                if (i > 3 || name.size() < 60) {
                    EXPECT_LE(line.size(), 77u) << size << ": " << line;
                }
                if (continued) {
                    EXPECT_EQ(line[line.size() - 2], ',') << line;
                }
            }
            Hive back;
            ASSERT_FALSE(RegEdit4::parse(text, back)) << size;
            EXPECT_TRUE(back == hive) << size;
        }
    }
}

TEST(RegEdit4, KeepsEverythingOfAHandWrittenFile) {
    const std::string text =
        vorntest::readFile(std::string(VORN_TEST_DATA_DIR) + "/registry/settings.reg");
    Hive hive;
    ASSERT_FALSE(RegEdit4::parse(text, hive));
    const auto keys = hive.keys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].path, "Software\\Pelliwan Software");
    EXPECT_EQ(keys[1].path, "Software\\Pelliwan Software\\Vorn Demo");
    EXPECT_EQ(keys[1].values.size(), 9u);
    EXPECT_EQ(keys[2].values.size(), 5u);
    const Hive::Value* quoted =
        hive.findValue("Software\\Other Vendor\\Tool", "Quoted \"name\" with \\ backslash");
    ASSERT_NE(quoted, nullptr);
    const std::string tab = "tab\tand ; semicolon";
    EXPECT_EQ(quoted->data, std::vector<BYTE>(tab.c_str(), tab.c_str() + tab.size() + 1));

    const std::string written = RegEdit4::serialize(hive);
    Hive back;
    ASSERT_FALSE(RegEdit4::parse(written, back));
    EXPECT_TRUE(back == hive);
    EXPECT_EQ(RegEdit4::serialize(back), written);
    EXPECT_EQ(written.find(';'), written.find("; semicolon")) << "comments are not kept";
}

TEST(RegEdit4, ExportsOneKeyWithItsSubkeys) {
    Hive hive;
    hive.setValue("A", "a", REG_SZ, {0});
    hive.setValue("A\\B", "b", REG_SZ, {0});
    hive.setValue("AB", "x", REG_SZ, {0});
    EXPECT_EQ(RegEdit4::serialize(hive, "a"), "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=\"\"\n\n"
                                              "[HKEY_LOCAL_MACHINE\\A\\B]\n\"b\"=\"\"\n\n");
}

// A hostile file of many keys, values and deletions must read in about linear time; a quadratic
// reader would not finish within the test's time limit.
TEST(RegEdit4, ReadsAHugeFileOfKeysAndDeletions) {
    std::string text = "REGEDIT4\n";
    constexpr int count = 60000;
    for (int i = 0; i < count; ++i) {
        text += "[HKEY_LOCAL_MACHINE\\K\\" + std::to_string(i) + "]\n";
        text += "\"v" + std::to_string(i) + "\"=dword:1\n\"v" + std::to_string(i) + "\"=-\n";
    }
    for (int i = 0; i < count; i += 2)
        text += "[-HKEY_LOCAL_MACHINE\\K\\" + std::to_string(i) + "]\n";
    text += "[HKEY_LOCAL_MACHINE\\V]\n";
    for (int i = 0; i < count; ++i)
        text += "\"n" + std::to_string(i) + "\"=dword:" + std::to_string(i % 10) + "\n";
    Hive hive;
    ASSERT_FALSE(RegEdit4::parse(text, hive));
    const auto keys = hive.keys();
    ASSERT_EQ(keys.size(), count / 2 + 1u);
    EXPECT_EQ(keys.front().path, "K\\1");
    EXPECT_TRUE(keys.front().values.empty());
    EXPECT_EQ(keys.back().values.size(), static_cast<std::size_t>(count));
}

} // namespace

namespace {

// The fuzz corpus seeds say in their names whether they read; keep them honest.
TEST(RegEdit4, ReadsTheFuzzSeedsAsTheirNamesSay) {
    int seeds = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VORN_TEST_DATA_DIR) + "/fuzz/hive")) {
        const std::string name = entry.path().filename().string();
        Hive hive;
        const bool reads = !RegEdit4::parse(vorntest::readFile(entry.path()), hive);
        if (name.starts_with("valid-")) {
            EXPECT_TRUE(reads) << name;
            ++seeds;
        } else if (name.starts_with("broken-")) {
            EXPECT_FALSE(reads) << name;
            ++seeds;
        }
    }
    EXPECT_GE(seeds, 12);
}

} // namespace
