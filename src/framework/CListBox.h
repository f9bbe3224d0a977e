#pragma once

// A single-selection list box of a dialog.

#include "framework/CWnd.h"

class CListBox : public CWnd {
public:
    CListBox() = default;

    // Adds a text, at its sorted place in an LBS_SORT list; returns its index or LB_ERR.
    int AddString(LPCSTR lpszItem);
    int GetCount() const;
    // The selected index, or LB_ERR when nothing is selected.
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    // Selects the first item after nStartAfter (-1: from the top) that begins with lpszPrefix,
    // letter case ignored; sends no notification. Its index, or LB_ERR.
    int SelectString(int nStartAfter, LPCSTR lpszPrefix);
    // The whole text of the item; empty for an index out of range.
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
};
