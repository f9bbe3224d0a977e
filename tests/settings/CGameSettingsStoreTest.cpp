// The settings store against real hive files.

#include "settings/CGameSettingsStore.h"
#include "RecordingSink.h"
#include "SettingsValues.h"
#include "platform/Registry.h"
#include "platform/TempDir.h"
#include "settings/CDriverCatalogue.h"
#include "settings/SettingsKey.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;
using Bytes = std::vector<BYTE>;

struct StoredValue {
    DWORD dwType;
    Bytes data;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << "type " << value.dwType << ", bytes";
    for (const BYTE byte : value.data)
        *out << ' ' << static_cast<unsigned>(byte);
}

StoredValue Dword(DWORD dwValue) {
    return {REG_DWORD, DwordBytes(dwValue)};
}

StoredValue Sz(const std::string& text) {
    return {REG_SZ, SzBytes(text)};
}

std::string HexList(const std::string& text) {
    std::string list;
    for (const char c : text) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(c));
        list += list.empty() ? "" : ",";
        list += byte;
    }
    return list;
}

const std::string KEY_LINE = "[HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo]\n";

class StoreOnHive : public ::testing::Test {
protected:
    void SetUp() override {
        m_hive = m_dir / "registry.reg";
        ASSERT_EQ(setenv("VORN_REGISTRY", m_hive.c_str(), 1), 0);
    }
    void TearDown() override { unsetenv("VORN_REGISTRY"); }

    void UseFixture(const std::string& name) const {
        std::filesystem::copy_file(std::filesystem::path(VORN_TEST_DATA_DIR) / "settings" / name,
                                   m_hive, std::filesystem::copy_options::overwrite_existing);
    }
    void UseText(const std::string& text) const { vorntest::writeFile(m_hive, text); }
    std::string HiveText() const { return vorntest::readFile(m_hive); }

    static Events Read() {
        RecordingSink sink;
        EXPECT_TRUE(CGameSettingsStore::Read(sink));
        return sink.events;
    }

    // A value as the registry holds it, looked up independently of the store.
    static std::optional<StoredValue> Query(const char* pszName) {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return std::nullopt;
        Bytes buffer(4096);
        DWORD dwType = REG_NONE;
        auto cbData = static_cast<DWORD>(buffer.size());
        const LONG lResult =
            RegQueryValueExA(hKey, pszName, nullptr, &dwType, buffer.data(), &cbData);
        RegCloseKey(hKey);
        if (lResult != ERROR_SUCCESS)
            return std::nullopt;
        buffer.resize(cbData);
        return StoredValue{dwType, buffer};
    }

    static bool KeyExists() {
        HKEY hKey = nullptr;
        const LONG lResult = RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY, 0, KEY_READ, &hKey);
        if (lResult == ERROR_SUCCESS)
            RegCloseKey(hKey);
        return lResult == ERROR_SUCCESS;
    }

    vorntest::TempDir m_dir;
    std::filesystem::path m_hive;
};

TEST_F(StoreOnHive, AKeyHoldingOnlyTheDirectoryReadsAsTheDefaults) {
    UseFixture("only-directory.reg");
    EXPECT_EQ(Read(), (Events{"Screen=320x200"}));
}

TEST_F(StoreOnHive, EveryStoredValueIsHandedOverInReadingOrder) {
    UseFixture("all-values.reg");
    EXPECT_EQ(Read(), (Events{
                          "Driver name=3dfx_win",
                          "Texture filtering=1",
                          "Perspective textures=0",
                          "Lighting Complexity=3",
                          "Voodoo Rush=1",
                          "Screen=640x480",
                      }));
}

// Values as someone else may have stored them: the driver name must end within the bytes the
// registry returned, and a number shorter than four bytes has no unread bytes in it.
TEST_F(StoreOnHive, OddlyStoredValuesReadSafely) {
    struct Case {
        const char* what;
        std::string line;
        Events events;
    };
    const std::string a255(255, 'a');
    const std::string a256(256, 'a');
    const std::vector<Case> cases = {
        {"255 characters fit",
         "\"Driver name\"=\"" + a255 + "\"",
         {"Driver name=" + a255, "Screen=320x200"}},
        {"256 characters and the zero do not fit",
         "\"Driver name\"=\"" + a256 + "\"",
         {"Screen=320x200"}},
        {"300 characters do not fit",
         "\"Driver name\"=\"" + std::string(300, 'x') + "\"",
         {"Screen=320x200"}},
        {"256 bytes without a zero fill the buffer",
         "\"Driver name\"=hex(1):" + HexList(a256),
         {"Driver name=" + a256, "Screen=320x200"}},
        {"a string without a zero",
         "\"Driver name\"=hex(1):" + HexList("s3_win"),
         {"Driver name=s3_win", "Screen=320x200"}},
        {"the text ends at the first zero",
         "\"Driver name\"=hex(1):61,00,62",
         {"Driver name=a", "Screen=320x200"}},
        {"an empty string", "\"Driver name\"=\"\"", {"Driver name=", "Screen=320x200"}},
        {"a zero-length value", "\"Driver name\"=hex(1):", {"Driver name=", "Screen=320x200"}},
        {"a number as driver name",
         "\"Driver name\"=dword:00000041",
         {"Driver name=A", "Screen=320x200"}},
        {"a two-byte number", "\"Screen X\"=hex:80,02", {"Screen=640x200"}},
        {"an empty number",
         "\"Lighting Complexity\"=hex:",
         {"Lighting Complexity=0", "Screen=320x200"}},
        {"a number of five bytes does not fit",
         "\"Screen Y\"=hex:01,02,03,04,05",
         {"Screen=320x200"}},
        {"a number stored as text",
         "\"Texture filtering\"=\"1\"",
         {"Texture filtering=49", "Screen=320x200"}},
        {"the largest number",
         "\"Voodoo Rush\"=dword:ffffffff",
         {"Voodoo Rush=4294967295", "Screen=320x200"}},
        {"names in any letter case",
         "\"DRIVER NAME\"=\"myst_win\"\n\"lighting complexity\"=dword:2\n\"screen y\"=dword:258",
         {"Driver name=myst_win", "Lighting Complexity=2", "Screen=320x600"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseText("REGEDIT4\n\n" + KEY_LINE + c.line + "\n");
        EXPECT_EQ(Read(), c.events);
    }
}

TEST_F(StoreOnHive, WritingStoresEachValueWithItsTypeAndSize) {
    UseFixture("only-directory.reg");
    EXPECT_TRUE(CGameSettingsStore::Write(RushSettings({640, 480})));

    EXPECT_EQ(Query("Directory"), Sz("C:\\Pelliwan\\Vorn Demo"));
    EXPECT_EQ(Query("Driver name"), Sz("3dfx_win"));
    EXPECT_EQ(Query("Voodoo Rush"), Dword(1));
    EXPECT_EQ(Query("Texture filtering"), Dword(1));
    EXPECT_EQ(Query("Perspective textures"), Dword(1));
    EXPECT_EQ(Query("Lighting complexity"), Dword(3));
    EXPECT_EQ(Query("Screen X"), Dword(640));
    EXPECT_EQ(Query("Screen Y"), Dword(480));
}

TEST_F(StoreOnHive, EveryDriverIdIsStoredWithItsTerminatingZero) {
    for (const char* id : {"ddraw", "3dfx_win", "rage_win", "myst_win", "s3_win"}) {
        SCOPED_TRACE(id);
        UseFixture("all-values.reg");
        CGameSettings settings = RushSettings({640, 480});
        settings.m_strDriverId = id;
        CGameSettingsStore::Write(settings);
        EXPECT_EQ(Query("Driver name"), Sz(id));
    }
}

// The writer's "Lighting complexity" and the reader's "Lighting Complexity" are one value.
TEST_F(StoreOnHive, LightingWrittenInOneSpellingIsReadInTheOther) {
    for (const char* fixture : {"only-directory.reg", "all-values.reg", "stored-1024x768.reg"}) {
        for (const DWORD dwLighting : {1u, 2u, 3u}) {
            SCOPED_TRACE(std::string(fixture) + " lighting " + std::to_string(dwLighting));
            UseFixture(fixture);
            CGameSettings settings = RushSettings({640, 480});
            settings.m_dwLightingComplexity = dwLighting;
            CGameSettingsStore::Write(settings);

            const Events events = Read();
            EXPECT_NE(std::find(events.begin(), events.end(),
                                "Lighting Complexity=" + std::to_string(dwLighting)),
                      events.end());
            std::string text = HiveText();
            std::transform(text.begin(), text.end(), text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            std::size_t nLines = 0;
            for (std::size_t at = text.find("\"lighting complexity\"="); at != std::string::npos;
                 at = text.find("\"lighting complexity\"=", at + 1))
                ++nLines;
            EXPECT_EQ(nLines, 1u);
        }
    }
}

TEST_F(StoreOnHive, WritingWithoutAResolutionLeavesTheStoredOneUntouched) {
    UseFixture("stored-1024x768.reg");
    CGameSettings settings = RushSettings({640, 480});
    settings.m_resolution.reset();
    EXPECT_TRUE(CGameSettingsStore::Write(settings));

    EXPECT_EQ(Query("Screen X"), Dword(1024));
    EXPECT_EQ(Query("Screen Y"), Dword(768));
    EXPECT_EQ(Query("Driver name"), Sz("3dfx_win"));
    EXPECT_EQ(Read(), (Events{
                          "Driver name=3dfx_win",
                          "Texture filtering=1",
                          "Perspective textures=1",
                          "Lighting Complexity=3",
                          "Voodoo Rush=1",
                          "Screen=1024x768",
                      }));
}

TEST_F(StoreOnHive, WritingAResolutionReplacesBothValues) {
    UseFixture("stored-1024x768.reg");
    CGameSettings settings = RushSettings({640, 480});
    settings.m_resolution = CScreenResolution{320, 240};
    EXPECT_TRUE(CGameSettingsStore::Write(settings));
    EXPECT_EQ(Query("Screen X"), Dword(320));
    EXPECT_EQ(Query("Screen Y"), Dword(240));
}

TEST_F(StoreOnHive, AnAbsentKeyIsNeitherReadNorCreated) {
    UseFixture("key-absent.reg");
    const std::string before = HiveText();

    RecordingSink sink;
    EXPECT_FALSE(CGameSettingsStore::Read(sink));
    EXPECT_TRUE(sink.events.empty());

    EXPECT_FALSE(CGameSettingsStore::Write(RushSettings({640, 480})));
    EXPECT_EQ(HiveText(), before);
    EXPECT_FALSE(KeyExists());
}

TEST_F(StoreOnHive, AMissingHiveFileIsNeitherReadNorCreated) {
    RecordingSink sink;
    EXPECT_FALSE(CGameSettingsStore::Read(sink));
    EXPECT_TRUE(sink.events.empty());

    EXPECT_FALSE(CGameSettingsStore::Write(RushSettings({640, 480})));
    EXPECT_FALSE(std::filesystem::exists(m_hive));
}

TEST_F(StoreOnHive, AReadOnlyHiveIsReadButNotWritten) {
    UseFixture("all-values.reg");
    ASSERT_EQ(chmod(m_hive.c_str(), 0444), 0);
    const std::string before = HiveText();

    EXPECT_EQ(Read(), (Events{
                          "Driver name=3dfx_win",
                          "Texture filtering=1",
                          "Perspective textures=0",
                          "Lighting Complexity=3",
                          "Voodoo Rush=1",
                          "Screen=640x480",
                      }));

    CGameSettings settings = RushSettings({640, 480});
    settings.m_strDriverId = "s3_win";
    settings.m_resolution = CScreenResolution{800, 600};
    EXPECT_FALSE(CGameSettingsStore::Write(settings));
    EXPECT_EQ(HiveText(), before);
    EXPECT_EQ(Query("Driver name"), Sz("3dfx_win"));
}

// What the dialog does with what it reads: starts from an empty driver id and a flag of 0, takes
// whatever the store hands over, and selects through the catalogue.
class SelectionSink : public RecordingSink {
public:
    CString strDriverId;
    DWORD dwVoodooRush = 0;

    void OnDriverName(const CString& strValue) override { strDriverId = strValue; }
    void OnVoodooRush(DWORD dwValue) override { dwVoodooRush = dwValue; }
};

TEST_F(StoreOnHive, StoredDriverValuesSelectTheirEntry) {
    struct Case {
        const char* what;
        std::string text;
        const char* prefix;
    };
    const std::vector<Case> cases = {
        {"3dfx with the flag absent", "\"Driver name\"=\"3DFX_WIN\"", "3dfx Voodoo"},
        {"3dfx with the flag 0", "\"Driver name\"=\"3dfx_win\"\n\"Voodoo Rush\"=dword:0",
         "3dfx Voodoo"},
        {"3dfx with the flag 1", "\"Driver name\"=\"3Dfx_Win\"\n\"Voodoo Rush\"=dword:1",
         "3dfx Rush"},
        {"S3 with the flag 1", "\"Driver name\"=\"S3_WIN\"\n\"Voodoo Rush\"=dword:1", "S3"},
        {"no driver name, flag 1", "\"Voodoo Rush\"=dword:1", "Unacc"},
        {"driver name too long", "\"Driver name\"=\"3dfx_win" + std::string(300, ' ') + "\"",
         "Unacc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseText("REGEDIT4\n\n" + KEY_LINE + c.text + "\n");
        SelectionSink sink;
        EXPECT_TRUE(CGameSettingsStore::Read(sink));
        EXPECT_STREQ(CDriverCatalogue::SelectionPrefix(sink.strDriverId, sink.dwVoodooRush),
                     c.prefix);
    }
}

} // namespace
