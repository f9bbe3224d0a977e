#pragma once

// A single-selection list box. With LBS_SORT each text goes to its place in case-insensitive
// order. The user moves the selection with the mouse, the arrow keys, Home, End, Page Up and
// Page Down, and by typing a character (the next item that begins with it); each such change is
// reported through the notify function as LBN_SELCHANGE, a double click as LBN_DBLCLK, when the
// list has LBS_NOTIFY. Changes made by the program are never reported. Once an item is selected,
// the user cannot clear the selection.

#include "platform/WinTypes.h"

#include <QListWidget>
#include <functional>

namespace vorn::fw {

class ListBoxControl : public QListWidget {
public:
    ListBoxControl(DWORD style, QWidget* parent);

    // The program's operations; none of them notifies.
    int addString(const QString& text);
    int currentSelection() const; // -1 when nothing is selected
    int selectRow(int index);     // -1 clears; returns the index, or -1 for one out of range
    // The first item after startAfter (-1: from the top, wrapping) whose text begins with
    // prefix, letter case ignored; -1 when none does.
    int findPrefix(int startAfter, const QString& prefix) const;

    std::function<void(UINT code)> notify;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyboardSearch(const QString& search) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void selectionChangedByUser();

    DWORD m_style;
    int m_silent = 0;
};

} // namespace vorn::fw
