// The in-memory hive: key paths and value names without regard to letter case, original
// spelling and order kept, implicit parent keys, subtree deletion.

#include "platform/Hive.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::vector<std::string> keyPaths(const Hive& hive, std::string_view below = {}) {
    std::vector<std::string> paths;
    for (const Hive::Key& key : hive.keys(below))
        paths.push_back(key.path);
    return paths;
}

TEST(HivePath, NormalizesRelativePaths) {
    const struct {
        const char* path;
        std::optional<std::string> expected;
    } cases[] = {
        {"", ""},
        {"\\", ""},
        {"Software", "Software"},
        {"Software\\", "Software"},
        {"Software\\Vorn Demo", "Software\\Vorn Demo"},
        {"Software\\Vorn Demo\\", "Software\\Vorn Demo"},
        {"Software\\\\", std::nullopt},
        {"\\Software", std::nullopt},
        {"Software\\\\Vorn", std::nullopt},
        {"Soft\nware", std::nullopt},
        {"Soft\rware", std::nullopt},
        {" \\ ", " \\ "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hive::normalizePath(c.path), c.expected) << '"' << c.path << '"';
}

TEST(HivePath, AcceptsOnlyTheLocalMachineRoot) {
    const struct {
        const char* name;
        std::optional<std::string> expected;
    } cases[] = {
        {"HKEY_LOCAL_MACHINE", ""},
        {"HKEY_LOCAL_MACHINE\\", ""},
        {"hkey_local_machine\\Software\\X", "Software\\X"},
        {"HKEY_LOCAL_MACHINE\\Software\\X\\", "Software\\X"},
        {"HKEY_CURRENT_USER\\Software", std::nullopt},
        {"HKLM\\Software", std::nullopt},
        {"HKEY_LOCAL_MACHINEX\\Software", std::nullopt},
        {"HKEY_LOCAL_MACHINE\\\\Software", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hive::pathFromKeyName(c.name), c.expected) << '"' << c.name << '"';
    EXPECT_EQ(Hive::keyName(""), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(Hive::keyName("A\\B"), "HKEY_LOCAL_MACHINE\\A\\B");
}

TEST(Hive, MatchesWithoutLetterCaseAndKeepsFirstSpelling) {
    Hive hive;
    hive.setValue("Software\\Vorn Demo", "Lighting complexity", REG_DWORD, {1, 0, 0, 0});
    hive.setValue("SOFTWARE\\vorn demo", "Lighting Complexity", REG_DWORD, {3, 0, 0, 0});

    const auto keys = hive.keys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].path, "Software\\Vorn Demo");
    ASSERT_EQ(keys[0].values.size(), 1u);
    EXPECT_EQ(keys[0].values[0].name, "Lighting complexity");
    EXPECT_EQ(keys[0].values[0].data, (std::vector<BYTE>{3, 0, 0, 0}));

    const Hive::Value* value = hive.findValue("software\\VORN DEMO", "LIGHTING COMPLEXITY");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_DWORD);
}

TEST(Hive, KeepsOrderOfKeysAndValuesAndAppendsNewOnes) {
    Hive hive;
    hive.addKey("B");
    hive.setValue("A", "second", REG_SZ, bytes("2"));
    hive.setValue("B", "z", REG_SZ, bytes("z"));
    hive.setValue("B", "a", REG_SZ, bytes("a"));
    hive.setValue("B", "Z", REG_SZ, bytes("replaced"));
    hive.setValue("C", "", REG_SZ, bytes("unnamed"));

    EXPECT_EQ(keyPaths(hive), (std::vector<std::string>{"B", "A", "C"}));
    const auto keys = hive.keys();
    ASSERT_EQ(keys[0].values.size(), 2u);
    EXPECT_EQ(keys[0].values[0].name, "z");
    EXPECT_EQ(keys[0].values[0].data, bytes("replaced"));
    EXPECT_EQ(keys[0].values[1].name, "a");
}

TEST(Hive, ParentsOfListedKeysExist) {
    Hive hive;
    hive.addKey("Software\\Pelliwan Software\\Vorn Demo");
    const struct {
        const char* path;
        bool exists;
    } cases[] = {
        {"", true},
        {"Software", true},
        {"software\\pelliwan software", true},
        {"Software\\Pelliwan Software\\Vorn Demo", true},
        {"Software\\Pelliwan", false}, // a prefix of a name is not a key
        {"Software\\Pelliwan Software\\Vorn Demo\\Sub", false},
        {"Soft", false},
        {"Other", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hive.keyExists(c.path), c.exists) << c.path;

    // A value set in an implicit key lists it, spelled as its listed child spells it.
    hive.setValue("SOFTWARE\\PELLIWAN SOFTWARE", "x", REG_SZ, bytes("x"));
    EXPECT_EQ(keyPaths(hive), (std::vector<std::string>{"Software\\Pelliwan Software\\Vorn Demo",
                                                        "Software\\Pelliwan Software"}));
}

TEST(Hive, DeletingAKeyTakesItsSubkeysButNotSiblingsWithTheSamePrefix) {
    Hive hive;
    for (const char* path : {"A", "A\\B", "A\\B\\C", "A\\BC", "A\\B!", "AB"})
        hive.addKey(path);

    EXPECT_TRUE(hive.deleteKey("a\\b"));
    EXPECT_EQ(keyPaths(hive), (std::vector<std::string>{"A", "A\\BC", "A\\B!", "AB"}));
    EXPECT_FALSE(hive.deleteKey("A\\B"));
    EXPECT_FALSE(hive.keyExists("A\\B\\C"));

    // An implicit key goes with its listed children.
    hive.addKey("X\\Y\\Z");
    EXPECT_TRUE(hive.deleteKey("X"));
    EXPECT_FALSE(hive.keyExists("X\\Y"));

    EXPECT_EQ(keyPaths(hive, "A"), (std::vector<std::string>{"A", "A\\BC", "A\\B!"}));
}

TEST(Hive, DeletesValuesWithoutLetterCase) {
    Hive hive;
    hive.setValue("K", "Name", REG_SZ, bytes("x"));
    EXPECT_FALSE(hive.deleteValue("K", "Other"));
    EXPECT_FALSE(hive.deleteValue("Elsewhere", "Name"));
    EXPECT_TRUE(hive.deleteValue("k", "NAME"));
    EXPECT_EQ(hive.findValue("K", "Name"), nullptr);
    EXPECT_TRUE(hive.keyExists("K")); // the key stays, empty
}

TEST(Hive, EqualityLooksAtContentAndOrder) {
    Hive a;
    a.setValue("K", "x", REG_SZ, bytes("1"));
    a.setValue("K", "y", REG_SZ, bytes("2"));
    Hive b;
    b.setValue("K", "y", REG_SZ, bytes("2"));
    b.setValue("K", "x", REG_SZ, bytes("1"));
    EXPECT_FALSE(a == b);
    Hive c;
    c.setValue("K", "gone", REG_SZ, bytes("0"));
    c.setValue("K", "x", REG_SZ, bytes("1"));
    c.setValue("K", "y", REG_SZ, bytes("2"));
    c.deleteValue("K", "gone");
    EXPECT_TRUE(a == c);
}

} // namespace
