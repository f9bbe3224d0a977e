#include "settings/CDriverCatalogue.h"

#include "platform/Runtime.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<CDriverEntry, 6> ENTRIES = {{
    {"Unaccelerated (software only)", "Unacc", "ddraw", 0, true},
    {"3dfx Voodoo compatible (Monster, Orchid, Righteous)", "3dfx Voodoo", "3dfx_win", 0, false},
    {"3dfx Rush (Alliance/Hercules)", "3dfx Rush", "3dfx_win", 1, false},
    {"ATI Rage II / Rage II+", "ATI", "rage_win", 0, false},
    {"Matrox Mystique", "Matrox", "myst_win", 0, false},
    {"S3 ViRGE / DX / GX / GX2", "S3", "s3_win", 0, false},
}};

const CDriverEntry& SOFTWARE_ENTRY = ENTRIES[0];
const CDriverEntry& VOODOO_ENTRY = ENTRIES[1];
const CDriverEntry& RUSH_ENTRY = ENTRIES[2];
const CDriverEntry& RAGE_ENTRY = ENTRIES[3];
const CDriverEntry& MYSTIQUE_ENTRY = ENTRIES[4];
const CDriverEntry& S3_ENTRY = ENTRIES[5];

// Stored values to entry, tried top to bottom. The two 3dfx rows share an id, so the Rush row
// must come first and is the only one that looks at the flag.
enum class RushTest { Set, Any };
struct StoredRow {
    LPCSTR pszDriverId;
    RushTest rush;
    const CDriverEntry& entry;
};
const std::array<StoredRow, 5> STORED_ROWS = {{
    {"3dfx_win", RushTest::Set, RUSH_ENTRY},
    {"3dfx_win", RushTest::Any, VOODOO_ENTRY},
    {"s3_win", RushTest::Any, S3_ENTRY},
    {"myst_win", RushTest::Any, MYSTIQUE_ENTRY},
    {"rage_win", RushTest::Any, RAGE_ENTRY},
}};

// Entry to stored values, tried top to bottom; the software entry is the fallback and is never
// compared.
const std::array<const CDriverEntry*, 5> CONFIRM_ROWS = {
    &VOODOO_ENTRY, &RUSH_ENTRY, &RAGE_ENTRY, &MYSTIQUE_ENTRY, &S3_ENTRY,
};

} // namespace

std::span<const CDriverEntry> CDriverCatalogue::Entries() {
    return ENTRIES;
}

LPCSTR CDriverCatalogue::SelectionPrefix(LPCSTR pszDriverId, DWORD dwVoodooRush) {
    const LPCSTR pszId = pszDriverId ? pszDriverId : "";
    for (const StoredRow& row : STORED_ROWS) {
        if (crt::_stricmp(pszId, row.pszDriverId) != 0)
            continue;
        if (row.rush == RushTest::Set && dwVoodooRush == 0)
            continue;
        return row.entry.m_pszSelectionPrefix;
    }
    return SOFTWARE_ENTRY.m_pszSelectionPrefix;
}

const CDriverEntry& CDriverCatalogue::EntryForDisplayText(LPCSTR pszDisplayText) {
    if (pszDisplayText) {
        for (const CDriverEntry* pEntry : CONFIRM_ROWS) {
            if (std::strcmp(pszDisplayText, pEntry->m_pszDisplayText) == 0)
                return *pEntry;
        }
    }
    return SOFTWARE_ENTRY;
}

bool CDriverCatalogue::IsSoftware(LPCSTR pszDisplayText) {
    return pszDisplayText && std::strcmp(pszDisplayText, SOFTWARE_ENTRY.m_pszDisplayText) == 0;
}
