#pragma once

#include "settings/CDriverEntry.h"

#include <span>

// The fixed list of 3D drivers and the two mappings between a list entry and the values the
// settings key stores ("Driver name" and "Voodoo Rush"). Stored driver ids compare without regard
// to ASCII letter case; display texts compare exactly, byte for byte.
class CDriverCatalogue {
public:
    // The six entries in the order they are added to the driver list; the software entry first.
    static std::span<const CDriverEntry> Entries();

    // The prefix of the entry to select for a stored driver id (empty or null when absent) and
    // Voodoo Rush value (0 when absent). The flag matters only for "3dfx_win"; an id the catalogue
    // does not name selects the software entry.
    static LPCSTR SelectionPrefix(LPCSTR pszDriverId, DWORD dwVoodooRush);

    // The entry whose display text equals pszDisplayText exactly; the software entry for any text
    // that equals no hardware entry's. Its driver id and flag are what confirming it stores.
    static const CDriverEntry& EntryForDisplayText(LPCSTR pszDisplayText);

    // Whether pszDisplayText is exactly the software entry's text.
    static bool IsSoftware(LPCSTR pszDisplayText);
};
