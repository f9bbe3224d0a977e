// The registry functions over a settings file, as the launcher and the driver settings dialog call
// them: sizes and terminators, letter case, access rights, handles, and hives that are missing,
// broken or read-only.

#include "platform/Registry.h"
#include "platform/HiveFile.h"
#include "platform/HiveFixture.h"
#include "platform/RegEdit4.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* settingsKey = "Software\\Pelliwan Software\\Vorn Demo";
const std::string keyLine = "[HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo]\n";
constexpr BYTE untouched = 0xAA;

class Registry : public vorntest::HiveFixture {
protected:
    // Opens the settings key; the handle is closed at the end of the test.
    HKEY open(REGSAM access, const char* path = settingsKey) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, &key), ERROR_SUCCESS);
        if (key)
            m_open.push_back(key);
        return key;
    }
    void TearDown() override {
        for (HKEY key : m_open)
            RegCloseKey(key);
        HiveFixture::TearDown();
    }

    LONG openResult(REGSAM access, const char* path = settingsKey) {
        HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{0x1234});
        const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, &key);
        if (result == ERROR_SUCCESS)
            m_open.push_back(key);
        else
            EXPECT_EQ(key, nullptr) << "a failed open leaves a null handle";
        return result;
    }

    // Sets "Directory" the way vornreg does, creating the file and the key as needed.
    HiveFile::Result setDirectoryAsTheToolDoes() const {
        return HiveFile(hivePath())
            .update(
                [](Hive& hive) {
                    hive.setValue(settingsKey, "Directory", REG_SZ, {'/', 0});
                    return HiveFile::Status::Ok;
                },
                true);
    }

    static LONG setDword(HKEY key, const char* name, DWORD number) {
        return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    }

    Hive parsedHive() const {
        Hive hive;
        const auto error = RegEdit4::parse(readHive(), hive);
        EXPECT_FALSE(error) << error->reason;
        return hive;
    }

private:
    std::vector<HKEY> m_open;
};

struct Query {
    LONG result;
    DWORD type;
    DWORD size;
    std::array<BYTE, 300> buffer;
};

Query query(HKEY key, const char* name, DWORD size) {
    Query q{};
    q.type = 0xdead;
    q.size = size;
    q.buffer.fill(untouched);
    q.result = RegQueryValueExA(key, name, nullptr, &q.type, q.buffer.data(), &q.size);
    return q;
}

TEST_F(Registry, ReadsADirectoryOfUpTo255CharactersThroughA256ByteBuffer) {
    const struct {
        std::size_t length;
        LONG result;
        DWORD size;
    } cases[] = {
        {0, ERROR_SUCCESS, 1},       {254, ERROR_SUCCESS, 255},   {255, ERROR_SUCCESS, 256},
        {256, ERROR_MORE_DATA, 257}, {300, ERROR_MORE_DATA, 301},
    };
    for (const auto& c : cases) {
        const std::string directory = "/" + std::string(c.length ? c.length - 1 : 0, 'd');
        const std::string stored = c.length ? directory : std::string();
        writeHive("REGEDIT4\n" + keyLine + "\"Directory\"=\"" + stored + "\"\n");
        HKEY key = open(KEY_READ);
        const Query q = query(key, "Directory", 256);
        EXPECT_EQ(q.result, c.result) << c.length;
        EXPECT_EQ(q.size, c.size) << c.length;
        EXPECT_EQ(q.type, REG_SZ) << "the type is reported either way";
        if (c.result == ERROR_SUCCESS) {
            EXPECT_EQ(reinterpret_cast<const char*>(q.buffer.data()), stored);
        } else {
            EXPECT_EQ(q.buffer[0], untouched) << "a value too large leaves the buffer unused";
            EXPECT_EQ(q.buffer[255], untouched);
        }
    }
}

TEST_F(Registry, ReturnsAStringWithoutTerminatorAsStored) {
    writeHive("REGEDIT4\n" + keyLine + "\"Directory\"=hex(1):2f,61,62\n\"Empty\"=hex(1):\n");
    HKEY key = open(KEY_READ);
    const struct {
        const char* name;
        DWORD bufferSize;
        LONG result;
        DWORD size;
        BYTE pastData; // the byte right after the stored bytes
    } cases[] = {
        {"Directory", 256, ERROR_SUCCESS, 3, 0},       // room: one uncounted zero
        {"Directory", 4, ERROR_SUCCESS, 3, 0},         // room for exactly the zero
        {"Directory", 3, ERROR_SUCCESS, 3, untouched}, // exactly the data: no zero
        {"Directory", 2, ERROR_MORE_DATA, 3, untouched}, {"Empty", 256, ERROR_SUCCESS, 0, 0},
        {"Empty", 0, ERROR_SUCCESS, 0, untouched},
    };
    for (const auto& c : cases) {
        const Query q = query(key, c.name, c.bufferSize);
        EXPECT_EQ(q.result, c.result) << c.name << " " << c.bufferSize;
        EXPECT_EQ(q.size, c.size) << c.name << " " << c.bufferSize;
        EXPECT_EQ(q.type, REG_SZ);
        EXPECT_EQ(q.buffer[c.size], c.pastData) << c.name << " " << c.bufferSize;
        if (c.result == ERROR_SUCCESS && c.size == 3) {
            EXPECT_EQ(std::memcmp(q.buffer.data(), "/ab", 3), 0);
        }
    }
}

TEST_F(Registry, ReturnsValuesOfOtherTypesWithTheirExactBytes) {
    writeHive("REGEDIT4\n" + keyLine +
              "\"Directory\"=dword:00000280\n\"Blob\"=hex:00,ff,00\n"
              "\"Expand\"=hex(2):25,41\n\"Multi\"=hex(7):61,00,62,00,00\n\"None\"=hex(0):\n");
    HKEY key = open(KEY_READ);
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
        BYTE pastData;
    } cases[] = {
        {"Directory", REG_DWORD, {0x80, 0x02, 0, 0}, untouched},
        {"Blob", REG_BINARY, {0, 0xff, 0}, untouched},
        {"Expand", 2, {'%', 'A'}, 0}, // a string type: terminated where there is room
        {"Multi", 7, {'a', 0, 'b', 0, 0}, untouched},
        {"None", REG_NONE, {}, untouched},
    };
    for (const auto& c : cases) {
        const Query q = query(key, c.name, 256);
        ASSERT_EQ(q.result, ERROR_SUCCESS) << c.name;
        EXPECT_EQ(q.type, c.type) << c.name;
        ASSERT_EQ(q.size, c.data.size()) << c.name;
        EXPECT_EQ(std::vector<BYTE>(q.buffer.begin(), q.buffer.begin() + q.size), c.data) << c.name;
        EXPECT_EQ(q.buffer[q.size], c.pastData) << c.name;
    }
}

TEST_F(Registry, MatchesKeyPathsAndValueNamesWithoutLetterCase) {
    writeHive(fixture("settings.reg"));
    for (const char* path :
         {"software\\pelliwan software\\vorn demo", "SOFTWARE\\PELLIWAN SOFTWARE\\VORN DEMO\\",
          "Software\\Pelliwan Software"}) {
        EXPECT_EQ(openResult(KEY_READ, path), ERROR_SUCCESS) << path;
    }
    HKEY key = open(KEY_WRITE | KEY_READ);
    const Query stored = query(key, "LIGHTING COMPLEXITY", 4);
    ASSERT_EQ(stored.result, ERROR_SUCCESS);
    EXPECT_EQ(stored.buffer[0], 2);

    // The writer's spelling and the reader's spelling address one value, which keeps its place
    // and its first spelling.
    ASSERT_EQ(setDword(key, "Lighting complexity", 3), ERROR_SUCCESS);
    const Query q = query(key, "Lighting Complexity", 4);
    ASSERT_EQ(q.result, ERROR_SUCCESS);
    EXPECT_EQ(q.buffer[0], 3);
    const std::string text = readHive();
    EXPECT_NE(text.find("\"Lighting complexity\"=dword:00000003\n\"Screen X\""), std::string::npos)
        << text;
    EXPECT_EQ(text.find("Lighting Complexity"), std::string::npos);
}

TEST_F(Registry, KeepsEverythingAWriteDoesNotTouch) {
    writeHive(fixture("settings.reg"));
    Hive expected;
    ASSERT_FALSE(RegEdit4::parse(fixture("settings.reg"), expected));

    HKEY key = open(KEY_WRITE);
    const BYTE driver[] = "ddraw";
    ASSERT_EQ(RegSetValueExA(key, "Driver name", 0, REG_SZ, driver, sizeof driver), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, "New value", 7), ERROR_SUCCESS);
    expected.setValue(settingsKey, "Driver name", REG_SZ, {driver, driver + sizeof driver});
    expected.setValue(settingsKey, "New value", REG_DWORD, {7, 0, 0, 0});

    EXPECT_TRUE(parsedHive() == expected) << readHive();
    const std::string text = readHive();
    EXPECT_NE(text.find("@=\"unnamed value\"\n\"New value\"=dword:00000007\n"), std::string::npos)
        << "a new value goes to the end of its key";
}

TEST_F(Registry, SeesWhatAnotherProcessWroteSinceTheKeyWasOpened) {
    writeHive("REGEDIT4\n" + keyLine + "\"Screen X\"=dword:00000140\n");
    HKEY key = open(KEY_READ);
    writeHive("REGEDIT4\n" + keyLine + "\"Screen X\"=dword:00000280\n");
    const Query q = query(key, "Screen X", 4);
    ASSERT_EQ(q.result, ERROR_SUCCESS);
    EXPECT_EQ(q.buffer[0] | q.buffer[1] << 8, 640);

    // A key deleted meanwhile is gone for queries and is not created again by a write.
    HKEY writable = open(KEY_WRITE);
    writeHive("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n");
    EXPECT_EQ(query(key, "Screen X", 4).result, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setDword(writable, "Screen X", 1), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(readHive(), "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n");
}

TEST_F(Registry, OpensExistingKeysOnlyAndNeverCreatesOne) {
    const std::string text = "REGEDIT4\n" + keyLine + "[HKEY_LOCAL_MACHINE\\Software\\Pelliwan]\n";
    writeHive(text);
    const struct {
        const char* path;
        LONG result;
    } cases[] = {
        {settingsKey, ERROR_SUCCESS},
        {"Software", ERROR_SUCCESS}, // a parent of a listed key
        {"", ERROR_SUCCESS},
        {nullptr, ERROR_SUCCESS},
        {"Software\\Pelliwan Software\\Vorn Demo\\Sub", ERROR_FILE_NOT_FOUND},
        {"Software\\Pelliwan Soft", ERROR_FILE_NOT_FOUND},
        {"Software\\\\Pelliwan", ERROR_FILE_NOT_FOUND},
        {"\\Software", ERROR_FILE_NOT_FOUND},
    };
    for (const auto& c : cases) {
        for (const REGSAM access : {KEY_READ, KEY_WRITE})
            EXPECT_EQ(openResult(access, c.path), c.result) << (c.path ? c.path : "(null)");
    }
    EXPECT_EQ(readHive(), text);
}

TEST_F(Registry, OpensSubkeysRelativeToAnOpenKey) {
    writeHive("REGEDIT4\n" + keyLine + "\"Directory\"=\"/games/vorn\"\n");
    HKEY software = open(KEY_READ, "software");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(software, "Pelliwan Software\\vorn demo", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(query(key, "Directory", 256).result, ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(software, "Vorn Demo", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(software), ERROR_SUCCESS);
}

TEST_F(Registry, RefusesWhatTheHandleWasNotOpenedFor) {
    writeHive("REGEDIT4\n" + keyLine + "\"Screen X\"=dword:00000140\n");
    const std::string before = readHive();
    HKEY reader = open(KEY_READ);
    EXPECT_EQ(setDword(reader, "Screen X", 640), ERROR_ACCESS_DENIED);
    HKEY writer = open(KEY_WRITE);
    EXPECT_EQ(query(writer, "Screen X", 4).result, ERROR_ACCESS_DENIED);
    EXPECT_EQ(readHive(), before);
}

TEST_F(Registry, TreatsClosedAndUnknownHandlesAsInvalid) {
    writeHive("REGEDIT4\n" + keyLine + "\"Screen X\"=dword:00000140\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKey, 0, KEY_READ | KEY_WRITE, &key),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    for (HKEY handle : {key, HKEY(nullptr), reinterpret_cast<HKEY>(std::uintptr_t{0x5555})}) {
        EXPECT_EQ(query(handle, "Screen X", 4).result, ERROR_INVALID_HANDLE);
        EXPECT_EQ(setDword(handle, "Screen X", 1), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCloseKey(handle), ERROR_INVALID_HANDLE);
        HKEY sub = nullptr;
        EXPECT_EQ(RegOpenKeyExA(handle, "", 0, KEY_READ, &sub), ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKey, 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, AnswersQueriesAsTheProgramMakesThem) {
    writeHive("REGEDIT4\n" + keyLine + "\"Driver name\"=\"ddraw\"\n@=\"unnamed\"\n");
    HKEY key = open(KEY_READ);

    // Absent: the size stays as it was, the type is not written.
    Query absent = query(key, "Voodoo Rush", 4);
    EXPECT_EQ(absent.result, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(absent.size, 4u);
    EXPECT_EQ(absent.type, 0xdeadu);
    EXPECT_EQ(absent.buffer[0], untouched);

    // Size only.
    DWORD size = 0;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "driver NAME", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(RegQueryValueExA(key, "Driver name", nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);

    // The unnamed value, by null or empty name.
    for (const char* name : {static_cast<const char*>(nullptr), ""}) {
        const Query q = query(key, name, 256);
        EXPECT_EQ(q.result, ERROR_SUCCESS);
        EXPECT_STREQ(reinterpret_cast<const char*>(q.buffer.data()), "unnamed");
    }

    DWORD reserved = 0;
    BYTE buffer[8];
    EXPECT_EQ(RegQueryValueExA(key, "Driver name", &reserved, nullptr, buffer, &size),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExA(key, "Driver name", nullptr, nullptr, buffer, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, WritesTheBytesAndSizesGiven) {
    writeHive("REGEDIT4\n" + keyLine);
    HKEY key = open(KEY_WRITE | KEY_READ);
    const BYTE unterminated[] = {'a', 'b'};
    ASSERT_EQ(RegSetValueExA(key, "Raw", 0, REG_SZ, unterminated, 2), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "Empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "Bad", 0, REG_BINARY, nullptr, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(readHive(), "REGEDIT4\n\n" + keyLine + "\"Raw\"=hex(1):61,62\n\"Empty\"=hex:\n\n");
    const Query q = query(key, "Raw", 2);
    EXPECT_EQ(q.result, ERROR_SUCCESS);
    EXPECT_EQ(q.size, 2u);
}

// Every state of the file in which the key cannot be read: the key is absent, and a file that
// cannot be read in full is never written, not even by a write that may create keys.
TEST_F(Registry, TreatsMissingEmptyAndBrokenHivesAsHoldingNoKey) {
    using Status = HiveFile::Status;
    const struct {
        const char* what;
        std::string text;
        Status write;
    } cases[] = {
        {"empty", "", Status::Ok},
        {"header only", "REGEDIT4\n", Status::Ok},
        {"truncated", fixture("truncated.reg"), Status::Unparseable},
        {"binary garbage", fixture("garbage.reg"), Status::Unparseable},
        {"garbage after a header", "REGEDIT4\n" + keyLine + "\x01\x02\xff\n", Status::Unparseable},
        {"another format", fixture("version5.reg"), Status::Unparseable},
    };
    for (const auto& c : cases) {
        writeHive(c.text);
        EXPECT_EQ(openResult(KEY_READ), ERROR_FILE_NOT_FOUND) << c.what;
        EXPECT_EQ(openResult(KEY_WRITE), ERROR_FILE_NOT_FOUND) << c.what;
        const HiveFile::Result result = setDirectoryAsTheToolDoes();
        EXPECT_EQ(result.status, c.write) << c.what;
        if (c.write == Status::Ok) {
            EXPECT_EQ(openResult(KEY_READ), ERROR_SUCCESS) << c.what;
        } else {
            EXPECT_EQ(readHive(), c.text) << c.what;
            EXPECT_FALSE(result.reason.empty()) << c.what;
        }
    }

    fs::remove(hivePath());
    EXPECT_EQ(openResult(KEY_READ), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(openResult(KEY_READ, ""), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(fs::exists(hivePath()));

    fs::create_directory(hivePath());
    EXPECT_NE(openResult(KEY_READ, ""), ERROR_SUCCESS);
}

TEST_F(Registry, DoesNotReadAHiveLargerThan16MiB) {
    writeHive("REGEDIT4\n" + keyLine + "\"Directory\"=\"/games/vorn\"\n");
    ASSERT_EQ(openResult(KEY_READ), ERROR_SUCCESS);
    fs::resize_file(hivePath(), HiveFile::maxSize + 1); // padding of zero bytes
    EXPECT_EQ(openResult(KEY_READ), ERROR_FILE_NOT_FOUND);
    const HiveFile::Contents contents = HiveFile(hivePath()).load();
    EXPECT_EQ(contents.status, HiveFile::Status::Unparseable);
    EXPECT_TRUE(contents.text.empty());
}

TEST_F(Registry, DoesNotHangOnAFifoInPlaceOfTheHive) {
    ASSERT_EQ(::mkfifo(hivePath().c_str(), 0600), 0);
    EXPECT_NE(openResult(KEY_READ), ERROR_SUCCESS);
    EXPECT_EQ(HiveFile(hivePath()).load().status, HiveFile::Status::Unreadable);
}

TEST_F(Registry, RefusesToWriteAReadOnlyHiveOrFolder) {
    const std::string text = "REGEDIT4\n" + keyLine + "\"Screen X\"=dword:00000140\n";
    const struct {
        const char* what;
        fs::path path;
        mode_t mode;
    } cases[] = {
        {"read-only file", hivePath(), 0444},
        {"file without any permission bit", hivePath(), 0},
        {"read-only folder", folder(), 0555},
    };
    for (const auto& c : cases) {
        writeHive(text);
        HKEY writer = open(KEY_WRITE);
        ASSERT_EQ(::chmod(c.path.c_str(), c.mode), 0);

        EXPECT_EQ(openResult(KEY_WRITE), ERROR_ACCESS_DENIED) << c.what;
        EXPECT_EQ(setDword(writer, "Screen X", 640), ERROR_ACCESS_DENIED) << c.what;
        const HiveFile::Result result =
            HiveFile(hivePath()).update([](Hive&) { return HiveFile::Status::Ok; }, true);
        EXPECT_EQ(result.status, HiveFile::Status::ReadOnly) << c.what;
        if (c.mode != 0) {
            EXPECT_EQ(openResult(KEY_READ), ERROR_SUCCESS) << c.what << ": reading still works";
        }

        ASSERT_EQ(::chmod(c.path.c_str(), c.path == folder() ? 0755 : 0644), 0);
        EXPECT_EQ(readHive(), text) << c.what;
        EXPECT_FALSE(fs::exists(hivePath().string() + ".lock") && c.path == folder())
            << "no lock file appears in a read-only folder";
    }
}

TEST_F(Registry, KeepsTheFilePermissionsAndWritesThroughASymbolicLink) {
    const fs::path real = folder() / "real.reg";
    vorntest::writeFile(real, "REGEDIT4\n" + keyLine);
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_symlink(real, hivePath());

    HKEY key = open(KEY_WRITE);
    ASSERT_EQ(setDword(key, "Screen X", 640), ERROR_SUCCESS);
    EXPECT_TRUE(fs::is_symlink(hivePath()));
    EXPECT_NE(vorntest::readFile(real).find("\"Screen X\"=dword:00000280"), std::string::npos);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A link whose file does not exist yet (a settings file kept elsewhere, made on first use): a
// write that may create the file creates the one the link names, through a chain of links too,
// and the links stay links.
TEST_F(Registry, CreatesTheFileThatADanglingLinkNames) {
    fs::create_directory(folder() / "elsewhere");
    const fs::path real = folder() / "elsewhere" / "settings.reg";
    fs::create_symlink("middle.reg", hivePath());
    fs::create_symlink("elsewhere/settings.reg", folder() / "middle.reg");

    const HiveFile::Result result = setDirectoryAsTheToolDoes();

    EXPECT_EQ(result.status, HiveFile::Status::Ok) << result.reason;
    EXPECT_TRUE(fs::is_symlink(hivePath()));
    EXPECT_TRUE(fs::is_symlink(folder() / "middle.reg"));
    ASSERT_TRUE(fs::is_regular_file(real));
    EXPECT_EQ(openResult(KEY_READ), ERROR_SUCCESS);
}

TEST(HiveLocation, FollowsTheEnvironment) {
    const struct {
        const char* registry;
        const char* config;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/srv/vorn.reg", "/cfg", "/home/p", "/srv/vorn.reg"},
        {"", "/cfg", "/home/p", "/cfg/vorn/registry.reg"},
        {nullptr, "/cfg", "/home/p", "/cfg/vorn/registry.reg"},
        {nullptr, "", "/home/p", "/home/p/.config/vorn/registry.reg"},
        {nullptr, "relative", "/home/p", "/home/p/.config/vorn/registry.reg"},
        {nullptr, nullptr, "/home/p", "/home/p/.config/vorn/registry.reg"},
    };
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto put = [](const char* name, const char* value) {
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    };
    const auto oldRegistry = keep("VORN_REGISTRY");
    const auto oldConfig = keep("XDG_CONFIG_HOME");
    const auto oldHome = keep("HOME");
    for (const auto& c : cases) {
        put("VORN_REGISTRY", c.registry);
        put("XDG_CONFIG_HOME", c.config);
        put("HOME", c.home);
        EXPECT_EQ(HiveFile::defaultPath(), fs::path(c.expected));
    }
    put("VORN_REGISTRY", oldRegistry ? oldRegistry->c_str() : nullptr);
    put("XDG_CONFIG_HOME", oldConfig ? oldConfig->c_str() : nullptr);
    put("HOME", oldHome ? oldHome->c_str() : nullptr);
}

} // namespace
