// The exact calls the store makes, seen through a registry stand-in: order, spelling, sizes and
// bytes, and what happens when single calls fail.

#include "RecordingRegistry.h"
#include "RecordingSink.h"
#include "SettingsValues.h"
#include "settings/CGameSettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const std::string OPEN_FOR_READING = "open HKLM\\Software\\Pelliwan Software\\Vorn Demo|0|0x20019";
const std::string OPEN_FOR_WRITING = "open HKLM\\Software\\Pelliwan Software\\Vorn Demo|0|0x20006";

const Calls READ_SEQUENCE = {
    OPEN_FOR_READING,
    "query Driver name|256",
    "query Texture filtering|4",
    "query Perspective textures|4",
    "query Lighting Complexity|4",
    "query Voodoo Rush|4",
    "query Screen X|4",
    "query Screen Y|4",
    "close",
};

const Calls WRITE_SEQUENCE = {
    OPEN_FOR_WRITING,
    "set Driver name|1|33 64 66 78 5f 77 69 6e 00|9",
    "set Voodoo Rush|4|01 00 00 00|4",
    "set Texture filtering|4|01 00 00 00|4",
    "set Perspective textures|4|01 00 00 00|4",
    "set Lighting complexity|4|03 00 00 00|4",
    "set Screen X|4|20 03 00 00|4",
    "set Screen Y|4|58 02 00 00|4",
    "close",
};

class StoreSequence : public ::testing::Test {
protected:
    void SetUp() override { RecordingRegistry::Reset(); }
};

TEST_F(StoreSequence, ReadingQueriesEveryValueInOrderAndHandsEachOver) {
    RecordingRegistry::Store("Driver name", REG_SZ, SzBytes("s3_win"));
    RecordingRegistry::Store("Texture filtering", REG_DWORD, DwordBytes(1));
    RecordingRegistry::Store("Perspective textures", REG_DWORD, DwordBytes(0));
    RecordingRegistry::Store("Lighting Complexity", REG_DWORD, DwordBytes(2));
    RecordingRegistry::Store("Voodoo Rush", REG_DWORD, DwordBytes(1));
    RecordingRegistry::Store("Screen X", REG_DWORD, DwordBytes(0x12345678));
    RecordingRegistry::Store("Screen Y", REG_DWORD, DwordBytes(600));

    RecordingSink sink;
    EXPECT_TRUE(CGameSettingsStore::Read(sink));

    EXPECT_EQ(RecordingRegistry::Calls(), READ_SEQUENCE);
    EXPECT_EQ(sink.events, (std::vector<std::string>{
                               "Driver name=s3_win",
                               "Texture filtering=1",
                               "Perspective textures=0",
                               "Lighting Complexity=2",
                               "Voodoo Rush=1",
                               "Screen=305419896x600",
                           }));
}

TEST_F(StoreSequence, ReadingAnEmptyKeyStillQueriesEverythingAndGivesTheDefaultResolution) {
    RecordingSink sink;
    EXPECT_TRUE(CGameSettingsStore::Read(sink));
    EXPECT_EQ(RecordingRegistry::Calls(), READ_SEQUENCE);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"Screen=320x200"}));
}

// Each query stands alone: one that fails leaves only its own value out.
TEST_F(StoreSequence, AFailedQueryLeavesOnlyThatValueOut) {
    struct Case {
        const char* failing;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"Driver name",
         {"Texture filtering=1", "Perspective textures=1", "Lighting Complexity=3", "Voodoo Rush=1",
          "Screen=640x480"}},
        {"Texture filtering",
         {"Driver name=ddraw", "Perspective textures=1", "Lighting Complexity=3", "Voodoo Rush=1",
          "Screen=640x480"}},
        {"Perspective textures",
         {"Driver name=ddraw", "Texture filtering=1", "Lighting Complexity=3", "Voodoo Rush=1",
          "Screen=640x480"}},
        {"Lighting Complexity",
         {"Driver name=ddraw", "Texture filtering=1", "Perspective textures=1", "Voodoo Rush=1",
          "Screen=640x480"}},
        {"Voodoo Rush",
         {"Driver name=ddraw", "Texture filtering=1", "Perspective textures=1",
          "Lighting Complexity=3", "Screen=640x480"}},
        {"Screen X",
         {"Driver name=ddraw", "Texture filtering=1", "Perspective textures=1",
          "Lighting Complexity=3", "Voodoo Rush=1", "Screen=320x480"}},
        {"Screen Y",
         {"Driver name=ddraw", "Texture filtering=1", "Perspective textures=1",
          "Lighting Complexity=3", "Voodoo Rush=1", "Screen=640x200"}},
    };
    for (const LONG lFailure : {ERROR_FILE_NOT_FOUND, ERROR_MORE_DATA, ERROR_ACCESS_DENIED}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.failing) + " fails with " + std::to_string(lFailure));
            RecordingRegistry::Reset();
            RecordingRegistry::Store("Driver name", REG_SZ, SzBytes("ddraw"));
            RecordingRegistry::Store("Texture filtering", REG_DWORD, DwordBytes(1));
            RecordingRegistry::Store("Perspective textures", REG_DWORD, DwordBytes(1));
            RecordingRegistry::Store("Lighting Complexity", REG_DWORD, DwordBytes(3));
            RecordingRegistry::Store("Voodoo Rush", REG_DWORD, DwordBytes(1));
            RecordingRegistry::Store("Screen X", REG_DWORD, DwordBytes(640));
            RecordingRegistry::Store("Screen Y", REG_DWORD, DwordBytes(480));
            RecordingRegistry::FailQuery(c.failing, lFailure);

            RecordingSink sink;
            EXPECT_TRUE(CGameSettingsStore::Read(sink));
            EXPECT_EQ(RecordingRegistry::Calls(), READ_SEQUENCE);
            EXPECT_EQ(sink.events, c.events);
        }
    }
}

TEST_F(StoreSequence, ReadingAKeyThatCannotBeOpenedDoesNothingMore) {
    for (const LONG lFailure : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED}) {
        RecordingRegistry::Reset();
        RecordingRegistry::FailOpen(lFailure);
        RecordingSink sink;
        EXPECT_FALSE(CGameSettingsStore::Read(sink));
        EXPECT_EQ(RecordingRegistry::Calls(), (Calls{OPEN_FOR_READING}));
        EXPECT_TRUE(sink.events.empty());
    }
}

TEST_F(StoreSequence, WritingSetsEveryValueInOrderWithItsSizeAndClosesOnce) {
    EXPECT_TRUE(CGameSettingsStore::Write(RushSettings({800, 600})));
    EXPECT_EQ(RecordingRegistry::Calls(), WRITE_SEQUENCE);
}

TEST_F(StoreSequence, DriverNameIsWrittenWithItsTerminatingZero) {
    struct Case {
        const char* id;
        const char* bytes;
        DWORD size;
    };
    const std::vector<Case> cases = {
        {"ddraw", "64 64 72 61 77 00", 6},
        {"3dfx_win", "33 64 66 78 5f 77 69 6e 00", 9},
        {"rage_win", "72 61 67 65 5f 77 69 6e 00", 9},
        {"myst_win", "6d 79 73 74 5f 77 69 6e 00", 9},
        {"s3_win", "73 33 5f 77 69 6e 00", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        RecordingRegistry::Reset();
        CGameSettings settings;
        settings.m_strDriverId = c.id;
        CGameSettingsStore::Write(settings);
        ASSERT_GE(RecordingRegistry::Calls().size(), 2u);
        EXPECT_EQ(RecordingRegistry::Calls()[1],
                  std::string("set Driver name|1|") + c.bytes + "|" + std::to_string(c.size));
    }
}

TEST_F(StoreSequence, NumbersAreWrittenAsFourLittleEndianBytes) {
    CGameSettings settings;
    settings.m_strDriverId = "ddraw";
    settings.m_dwVoodooRush = 0;
    settings.m_dwTextureFiltering = 0x01020304;
    settings.m_dwPerspectiveTextures = 0xFFFFFFFF;
    settings.m_dwLightingComplexity = 2;
    settings.m_resolution = CScreenResolution{320, 200};
    CGameSettingsStore::Write(settings);
    EXPECT_EQ(RecordingRegistry::Calls(), (Calls{
                                              OPEN_FOR_WRITING,
                                              "set Driver name|1|64 64 72 61 77 00|6",
                                              "set Voodoo Rush|4|00 00 00 00|4",
                                              "set Texture filtering|4|04 03 02 01|4",
                                              "set Perspective textures|4|ff ff ff ff|4",
                                              "set Lighting complexity|4|02 00 00 00|4",
                                              "set Screen X|4|40 01 00 00|4",
                                              "set Screen Y|4|c8 00 00 00|4",
                                              "close",
                                          }));
}

TEST_F(StoreSequence, WritingWithoutAResolutionLeavesBothScreenValuesAlone) {
    CGameSettings settings = RushSettings({800, 600});
    settings.m_resolution.reset();
    EXPECT_TRUE(CGameSettingsStore::Write(settings));
    Calls expected = WRITE_SEQUENCE;
    expected.erase(expected.begin() + 6, expected.begin() + 8);
    EXPECT_EQ(RecordingRegistry::Calls(), expected);
}

TEST_F(StoreSequence, AFailedWriteDoesNotStopTheWritesAfterIt) {
    for (const char* failing :
         {"Driver name", "Voodoo Rush", "Texture filtering", "Perspective textures",
          "Lighting complexity", "Screen X", "Screen Y"}) {
        SCOPED_TRACE(failing);
        RecordingRegistry::Reset();
        RecordingRegistry::FailSet(failing, ERROR_ACCESS_DENIED);
        EXPECT_FALSE(CGameSettingsStore::Write(RushSettings({800, 600})));
        EXPECT_EQ(RecordingRegistry::Calls(), WRITE_SEQUENCE);
        EXPECT_EQ(RecordingRegistry::Values().size(), 6u);
        EXPECT_EQ(RecordingRegistry::Values().count(failing), 0u);
    }
}

TEST_F(StoreSequence, WritingAKeyThatCannotBeOpenedWritesNothing) {
    for (const LONG lFailure : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED}) {
        RecordingRegistry::Reset();
        RecordingRegistry::FailOpen(lFailure);
        EXPECT_FALSE(CGameSettingsStore::Write(RushSettings({800, 600})));
        EXPECT_EQ(RecordingRegistry::Calls(), (Calls{OPEN_FOR_WRITING}));
        EXPECT_TRUE(RecordingRegistry::Values().empty());
    }
}

} // namespace
