#include "settings/CDriverCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// The driver list keeps its texts sorted without regard to case.
std::vector<std::string> SortedListTexts() {
    std::vector<std::string> texts;
    for (const CDriverEntry& entry : CDriverCatalogue::Entries())
        texts.emplace_back(entry.m_pszDisplayText);
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return Lower(a) < Lower(b);
    });
    return texts;
}

// As the list control selects by prefix: the first text from the top that begins with the prefix,
// letter case ignored. Empty when none does.
std::string SelectByPrefix(const std::vector<std::string>& texts, std::string_view prefix) {
    const std::string lowerPrefix = Lower(prefix);
    for (const std::string& text : texts) {
        if (Lower(text).starts_with(lowerPrefix))
            return text;
    }
    return {};
}

// What selecting by stored values shows in the list.
std::string SelectedText(const char* pszDriverId, DWORD dwVoodooRush) {
    return SelectByPrefix(SortedListTexts(),
                          CDriverCatalogue::SelectionPrefix(pszDriverId, dwVoodooRush));
}

constexpr const char* SOFTWARE = "Unaccelerated (software only)";
constexpr const char* VOODOO = "3dfx Voodoo compatible (Monster, Orchid, Righteous)";
constexpr const char* RUSH = "3dfx Rush (Alliance/Hercules)";
constexpr const char* RAGE = "ATI Rage II / Rage II+";
constexpr const char* MYSTIQUE = "Matrox Mystique";
constexpr const char* S3 = "S3 ViRGE / DX / GX / GX2";

TEST(DriverCatalogue, HoldsTheSixEntriesInListingOrder) {
    struct Row {
        const char* text;
        const char* prefix;
        const char* id;
        DWORD rush;
        bool software;
    };
    const std::vector<Row> expected = {
        {SOFTWARE, "Unacc", "ddraw", 0, true},      {VOODOO, "3dfx Voodoo", "3dfx_win", 0, false},
        {RUSH, "3dfx Rush", "3dfx_win", 1, false},  {RAGE, "ATI", "rage_win", 0, false},
        {MYSTIQUE, "Matrox", "myst_win", 0, false}, {S3, "S3", "s3_win", 0, false},
    };
    const auto entries = CDriverCatalogue::Entries();
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_STREQ(entries[i].m_pszDisplayText, expected[i].text);
        EXPECT_STREQ(entries[i].m_pszSelectionPrefix, expected[i].prefix);
        EXPECT_STREQ(entries[i].m_pszDriverId, expected[i].id);
        EXPECT_EQ(entries[i].m_dwVoodooRush, expected[i].rush);
        EXPECT_EQ(entries[i].m_bSoftware, expected[i].software);
    }
}

TEST(DriverCatalogue, EachPrefixBeginsExactlyOneTextWhateverTheCase) {
    for (const CDriverEntry& entry : CDriverCatalogue::Entries()) {
        SCOPED_TRACE(entry.m_pszSelectionPrefix);
        int nMatches = 0;
        for (const CDriverEntry& other : CDriverCatalogue::Entries()) {
            if (Lower(other.m_pszDisplayText).starts_with(Lower(entry.m_pszSelectionPrefix)))
                ++nMatches;
        }
        EXPECT_EQ(nMatches, 1);
        EXPECT_EQ(SelectByPrefix(SortedListTexts(), entry.m_pszSelectionPrefix),
                  entry.m_pszDisplayText);
    }
}

TEST(DriverCatalogue, SortedListShowsTheEntriesInTheExpectedOrder) {
    EXPECT_EQ(SortedListTexts(),
              (std::vector<std::string>{RUSH, VOODOO, RAGE, MYSTIQUE, S3, SOFTWARE}));
}

// Stored values to entry. A "Voodoo Rush" that is absent reaches the catalogue as the caller's
// default, 0; any nonzero number counts as set.
TEST(DriverCatalogue, StoredValuesSelectTheirEntry) {
    struct Case {
        const char* id;
        const char* entry;         // selected when the flag is 0 (or absent)
        const char* entryWithRush; // selected when the flag is nonzero
    };
    const std::vector<Case> cases = {
        {"3dfx_win", VOODOO, RUSH},
        {"3DFX_WIN", VOODOO, RUSH},
        {"3Dfx_Win", VOODOO, RUSH},
        {"s3_win", S3, S3},
        {"S3_WIN", S3, S3},
        {"S3_Win", S3, S3},
        {"myst_win", MYSTIQUE, MYSTIQUE},
        {"MYST_WIN", MYSTIQUE, MYSTIQUE},
        {"Myst_wiN", MYSTIQUE, MYSTIQUE},
        {"rage_win", RAGE, RAGE},
        {"RAGE_WIN", RAGE, RAGE},
        {"Rage_Win", RAGE, RAGE},
        {"ddraw", SOFTWARE, SOFTWARE},
        {"DDRAW", SOFTWARE, SOFTWARE},
        {"DDraw", SOFTWARE, SOFTWARE},
        {"", SOFTWARE, SOFTWARE},
        {nullptr, SOFTWARE, SOFTWARE},
        {"glide", SOFTWARE, SOFTWARE},
        {"3dfx", SOFTWARE, SOFTWARE},
        {"3dfx_win ", SOFTWARE, SOFTWARE},
        {" s3_win", SOFTWARE, SOFTWARE},
        {"s3_win2", SOFTWARE, SOFTWARE},
        {"3dfx Rush (Alliance/Hercules)", SOFTWARE, SOFTWARE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id ? c.id : "(null)");
        EXPECT_EQ(SelectedText(c.id, 0), c.entry);
        EXPECT_EQ(SelectedText(c.id, 1), c.entryWithRush);
        EXPECT_EQ(SelectedText(c.id, 2), c.entryWithRush);
        EXPECT_EQ(SelectedText(c.id, 0xFFFFFFFFu), c.entryWithRush);
    }
}

TEST(DriverCatalogue, SelectedTextGivesTheValuesToStore) {
    struct Case {
        const char* text;
        const char* id;
        DWORD rush;
    };
    const std::vector<Case> cases = {
        {VOODOO, "3dfx_win", 0},
        {RUSH, "3dfx_win", 1},
        {RAGE, "rage_win", 0},
        {MYSTIQUE, "myst_win", 0},
        {S3, "s3_win", 0},
        {SOFTWARE, "ddraw", 0},
        // Texts compare exactly: anything else falls back to the software values.
        {"", "ddraw", 0},
        {"matrox mystique", "ddraw", 0},
        {"MATROX MYSTIQUE", "ddraw", 0},
        {"Matrox Mystique ", "ddraw", 0},
        {"Matrox", "ddraw", 0},
        {"3dfx Rush", "ddraw", 0},
        {"s3_win", "ddraw", 0},
        {nullptr, "ddraw", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        const CDriverEntry& entry = CDriverCatalogue::EntryForDisplayText(c.text);
        EXPECT_STREQ(entry.m_pszDriverId, c.id);
        EXPECT_EQ(entry.m_dwVoodooRush, c.rush);
    }
}

TEST(DriverCatalogue, OnlyTheExactSoftwareTextIsSoftware) {
    struct Case {
        const char* text;
        bool software;
    };
    const std::vector<Case> cases = {
        {SOFTWARE, true},
        {"unaccelerated (software only)", false},
        {"Unaccelerated (software only) ", false},
        {"Unacc", false},
        {"", false},
        {nullptr, false},
        {VOODOO, false},
        {RUSH, false},
        {RAGE, false},
        {MYSTIQUE, false},
        {S3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(CDriverCatalogue::IsSoftware(c.text), c.software);
    }
}

TEST(DriverCatalogue, EveryEntrySurvivesTheRoundTripThroughStoredValues) {
    for (const CDriverEntry& entry : CDriverCatalogue::Entries()) {
        SCOPED_TRACE(entry.m_pszDisplayText);
        const CDriverEntry& stored = CDriverCatalogue::EntryForDisplayText(entry.m_pszDisplayText);
        EXPECT_EQ(SelectedText(stored.m_pszDriverId, stored.m_dwVoodooRush),
                  entry.m_pszDisplayText);
    }
}

// Opening the dialog on stored values and confirming at once stores the values of the selected
// entry, which need not be the values that were read.
TEST(DriverCatalogue, ConfirmingTheSelectionNormalisesStoredValues) {
    struct Case {
        const char* storedId;
        DWORD storedRush;
        const char* id;
        DWORD rush;
    };
    const std::vector<Case> cases = {
        {"S3_WIN", 1, "s3_win", 0},     {"s3_win", 1, "s3_win", 0},
        {"RAGE_WIN", 5, "rage_win", 0}, {"myst_win", 1, "myst_win", 0},
        {"3DFX_WIN", 7, "3dfx_win", 1}, {"3dfx_win", 0, "3dfx_win", 0},
        {"DDRAW", 1, "ddraw", 0},       {"", 0, "ddraw", 0},
        {"unknown", 1, "ddraw", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedId);
        const std::string text = SelectedText(c.storedId, c.storedRush);
        const CDriverEntry& entry = CDriverCatalogue::EntryForDisplayText(text.c_str());
        EXPECT_STREQ(entry.m_pszDriverId, c.id);
        EXPECT_EQ(entry.m_dwVoodooRush, c.rush);
    }
}

} // namespace
