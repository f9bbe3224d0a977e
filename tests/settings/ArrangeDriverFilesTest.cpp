// The driver libraries in a real directory, before and after arranging them.

#include "settings/ArrangeDriverFiles.h"
#include "platform/TempDir.h"
#include "settings/CDriverCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using Files = std::map<std::string, std::string>;

// Contents that tell every file apart, line ends and odd bytes included.
const std::string S3_LIBRARY = std::string("MZ s3 toolkit\r\n\0\xff", 17);
const std::string OTHER_S3_LIBRARY = "MZ another s3 toolkit\n";
const std::string VOODOO_GLIDE = std::string("MZ glide voodoo\r\n\0\x80", 19);
const std::string RUSH_GLIDE = "MZ glide rush\r\n";
const std::string OLD_GLIDE = "MZ glide as it was\n";

struct Choice {
    const char* text;
    const char* id;
    DWORD rush;
};

// The six list entries, with the values the dialog derives from each.
std::vector<Choice> AllChoices() {
    std::vector<Choice> choices;
    for (const CDriverEntry& entry : CDriverCatalogue::Entries())
        choices.push_back({entry.m_pszDisplayText, entry.m_pszDriverId, entry.m_dwVoodooRush});
    return choices;
}

bool IsS3(const Choice& choice) {
    return std::string(choice.id) == "s3_win";
}

// Every regular file in the directory, by name, with its content.
Files FilesIn(const std::filesystem::path& dir) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = vorntest::readFile(entry.path());
    }
    return files;
}

Files Arrange(const Files& before, const char* pszDriverId, DWORD dwVoodooRush, int nTimes = 1) {
    const vorntest::TempDir dir;
    for (const auto& [name, content] : before)
        vorntest::writeFile(dir / name, content);
    for (int i = 0; i < nTimes; ++i)
        ArrangeDriverFiles(dir.path().c_str(), pszDriverId, dwVoodooRush);
    return FilesIn(dir.path());
}

TEST(ArrangeDriverFiles, PutsTheLibrariesInPlaceForEachEntry) {
    struct Case {
        const char* id;
        DWORD rush;
        const char* s3Name;
        const std::string& glide;
    };
    const std::vector<Case> table = {
        {"ddraw", 0, "s3dtkw.dll", VOODOO_GLIDE},    {"3dfx_win", 0, "s3dtkw.dll", VOODOO_GLIDE},
        {"3dfx_win", 1, "s3dtkw.dll", RUSH_GLIDE},   {"rage_win", 0, "s3dtkw.dll", VOODOO_GLIDE},
        {"myst_win", 0, "s3dtkw.dll", VOODOO_GLIDE}, {"s3_win", 0, "s3dtkw.dlo", VOODOO_GLIDE},
    };
    const auto choices = AllChoices();
    ASSERT_EQ(choices.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        ASSERT_STREQ(choices[i].id, table[i].id);
        ASSERT_EQ(choices[i].rush, table[i].rush);
        // Whichever of the two names the S3 library has beforehand.
        for (const char* s3Before : {"s3dtkw.dll", "s3dtkw.dlo"}) {
            SCOPED_TRACE(std::string(choices[i].text) + ", S3 library as " + s3Before);
            const Files before = {{s3Before, S3_LIBRARY},
                                  {"glide2x.dll", OLD_GLIDE},
                                  {"glide2x.voo", VOODOO_GLIDE},
                                  {"glide2x.rsh", RUSH_GLIDE}};
            const Files expected = {{table[i].s3Name, S3_LIBRARY},
                                    {"glide2x.dll", table[i].glide},
                                    {"glide2x.voo", VOODOO_GLIDE},
                                    {"glide2x.rsh", RUSH_GLIDE}};
            EXPECT_EQ(Arrange(before, choices[i].id, choices[i].rush), expected);
        }
    }
}

TEST(ArrangeDriverFiles, TheS3DriverIdMatchesInAnyLetterCase) {
    for (const char* id : {"S3_WIN", "S3_Win", "s3_WIN"}) {
        SCOPED_TRACE(id);
        const Files after =
            Arrange({{"s3dtkw.dll", S3_LIBRARY}, {"glide2x.voo", VOODOO_GLIDE}}, id, 0);
        EXPECT_EQ(after, (Files{{"s3dtkw.dlo", S3_LIBRARY},
                                {"glide2x.dll", VOODOO_GLIDE},
                                {"glide2x.voo", VOODOO_GLIDE}}));
    }
}

// A rename never replaces a file: with both names taken, neither moves, whatever the driver.
TEST(ArrangeDriverFiles, BothS3NamesPresentStayAsTheyAre) {
    for (const Choice& choice : AllChoices()) {
        SCOPED_TRACE(choice.text);
        const Files after = Arrange({{"s3dtkw.dll", S3_LIBRARY},
                                     {"s3dtkw.dlo", OTHER_S3_LIBRARY},
                                     {"glide2x.voo", VOODOO_GLIDE},
                                     {"glide2x.rsh", RUSH_GLIDE}},
                                    choice.id, choice.rush);
        EXPECT_EQ(after.at("s3dtkw.dll"), S3_LIBRARY);
        EXPECT_EQ(after.at("s3dtkw.dlo"), OTHER_S3_LIBRARY);
        EXPECT_EQ(after.at("glide2x.dll"), choice.rush == 1 ? RUSH_GLIDE : VOODOO_GLIDE);
    }
}

TEST(ArrangeDriverFiles, NoS3LibraryStillRemakesGlide) {
    for (const Choice& choice : AllChoices()) {
        SCOPED_TRACE(choice.text);
        const Files after = Arrange({{"glide2x.voo", VOODOO_GLIDE}, {"glide2x.rsh", RUSH_GLIDE}},
                                    choice.id, choice.rush);
        EXPECT_EQ(after, (Files{{"glide2x.dll", choice.rush == 1 ? RUSH_GLIDE : VOODOO_GLIDE},
                                {"glide2x.voo", VOODOO_GLIDE},
                                {"glide2x.rsh", RUSH_GLIDE}}));
    }
}

// The variant the flag asks for is missing: "glide2x.dll" stays as it was, or absent if it was.
// The other variant is never taken in its place.
TEST(ArrangeDriverFiles, AMissingGlideVariantLeavesGlideAsItWas) {
    struct Case {
        const char* what;
        Files before;
        DWORD rush;
    };
    const std::vector<Case> cases = {
        {"voodoo variant missing",
         {{"glide2x.dll", OLD_GLIDE}, {"glide2x.rsh", RUSH_GLIDE}, {"s3dtkw.dll", S3_LIBRARY}},
         0},
        {"rush variant missing",
         {{"glide2x.dll", OLD_GLIDE}, {"glide2x.voo", VOODOO_GLIDE}, {"s3dtkw.dll", S3_LIBRARY}},
         1},
        {"voodoo variant and glide missing",
         {{"glide2x.rsh", RUSH_GLIDE}, {"s3dtkw.dll", S3_LIBRARY}},
         0},
        {"both variants missing", {{"glide2x.dll", OLD_GLIDE}, {"s3dtkw.dll", S3_LIBRARY}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Arrange(c.before, c.rush == 1 ? "3dfx_win" : "rage_win", c.rush), c.before);
    }
}

TEST(ArrangeDriverFiles, AMissingGlideLibraryIsCreatedFromItsVariant) {
    for (const Choice& choice : AllChoices()) {
        SCOPED_TRACE(choice.text);
        const Files after = Arrange({{"s3dtkw.dlo", S3_LIBRARY},
                                     {"glide2x.voo", VOODOO_GLIDE},
                                     {"glide2x.rsh", RUSH_GLIDE}},
                                    choice.id, choice.rush);
        EXPECT_EQ(after.at("glide2x.dll"), choice.rush == 1 ? RUSH_GLIDE : VOODOO_GLIDE);
        EXPECT_EQ(after.count(IsS3(choice) ? "s3dtkw.dlo" : "s3dtkw.dll"), 1u);
    }
}

TEST(ArrangeDriverFiles, ArrangingTwiceLeavesTheSameFilesAsOnce) {
    for (const Choice& choice : AllChoices()) {
        for (const char* s3Before : {"s3dtkw.dll", "s3dtkw.dlo"}) {
            SCOPED_TRACE(std::string(choice.text) + ", S3 library as " + s3Before);
            const Files before = {{s3Before, S3_LIBRARY},
                                  {"glide2x.dll", OLD_GLIDE},
                                  {"glide2x.voo", VOODOO_GLIDE},
                                  {"glide2x.rsh", RUSH_GLIDE}};
            EXPECT_EQ(Arrange(before, choice.id, choice.rush, 2),
                      Arrange(before, choice.id, choice.rush, 1));
        }
    }
}

// Switching drivers one after another in the same directory, as a player would.
TEST(ArrangeDriverFiles, SwitchingDriversMovesTheLibraryBackAndForth) {
    const vorntest::TempDir dir;
    vorntest::writeFile(dir / "s3dtkw.dll", S3_LIBRARY);
    vorntest::writeFile(dir / "glide2x.voo", VOODOO_GLIDE);
    vorntest::writeFile(dir / "glide2x.rsh", RUSH_GLIDE);
    struct Step {
        const char* id;
        DWORD rush;
        const char* s3Name;
        const std::string& glide;
    };
    const std::vector<Step> steps = {
        {"s3_win", 0, "s3dtkw.dlo", VOODOO_GLIDE},
        {"3dfx_win", 1, "s3dtkw.dll", RUSH_GLIDE},
        {"s3_win", 0, "s3dtkw.dlo", VOODOO_GLIDE},
        {"ddraw", 0, "s3dtkw.dll", VOODOO_GLIDE},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.id);
        ArrangeDriverFiles(dir.path().c_str(), step.id, step.rush);
        EXPECT_EQ(FilesIn(dir.path()), (Files{{step.s3Name, S3_LIBRARY},
                                              {"glide2x.dll", step.glide},
                                              {"glide2x.voo", VOODOO_GLIDE},
                                              {"glide2x.rsh", RUSH_GLIDE}}));
    }
}

TEST(ArrangeDriverFiles, AMissingDirectoryIsLeftAlone) {
    const vorntest::TempDir dir;
    const std::filesystem::path missing = dir / "not-installed";
    ArrangeDriverFiles(missing.c_str(), "s3_win", 0);
    ArrangeDriverFiles(missing.c_str(), "3dfx_win", 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(FilesIn(dir.path()).empty());
}

} // namespace
