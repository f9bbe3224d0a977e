#include "framework/ListBoxControl.h"

#include "framework/UiConstants.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace vorn::fw {

namespace {

// Items as high as one line of the list's font, as on the original platform.
class LineHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontMetrics(option.font).height());
        return size;
    }
};

// Case-insensitive order of single-byte texts: both sides folded to lower case, as the
// platform's own comparison does.
int compareNoCase(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive);
}

} // namespace

ListBoxControl::ListBoxControl(DWORD style, QWidget* parent) : QListWidget(parent), m_style(style) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setItemDelegate(new LineHeightDelegate(this));
    setTabKeyNavigation(false);
    if (style & WS_BORDER) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection&, const QItemSelection&) { selectionChangedByUser(); });
}

int ListBoxControl::addString(const QString& text) {
    ++m_silent;
    int row = count();
    if (m_style & LBS_SORT) {
        row = 0;
        while (row < count() && compareNoCase(item(row)->text(), text) <= 0) {
            ++row;
        }
    }
    insertItem(row, text);
    --m_silent;
    return row;
}

int ListBoxControl::currentSelection() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ListBoxControl::selectRow(int index) {
    ++m_silent;
    int result = -1;
    if (index >= 0 && index < count()) {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(index));
        result = index;
    } else {
        clearSelection();
    }
    --m_silent;
    return result;
}

int ListBoxControl::findPrefix(int startAfter, const QString& prefix) const {
    int n = count();
    if (n == 0) {
        return -1;
    }
    int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
    for (int step = 1; step <= n; ++step) {
        int row = (start + step) % n;
        if (item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) {
            return row;
        }
    }
    return -1;
}

QItemSelectionModel::SelectionFlags
ListBoxControl::selectionCommand(const QModelIndex& index, const QEvent* /*event*/) const {
    // Whatever the keys held, a click or a move selects the item under it and nothing else, and
    // a click beside the items changes nothing.
    if (!index.isValid()) {
        return QItemSelectionModel::NoUpdate;
    }
    return QItemSelectionModel::ClearAndSelect;
}

void ListBoxControl::keyboardSearch(const QString& search) {
    if (search.isEmpty()) {
        return;
    }
    int row = findPrefix(currentRow(), search.left(1));
    if (row >= 0) {
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(row));
    }
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && (m_style & LBS_NOTIFY) && notify) {
        notify(LBN_DBLCLK);
    }
}

void ListBoxControl::selectionChangedByUser() {
    if (m_silent == 0 && (m_style & LBS_NOTIFY) && notify && currentSelection() >= 0) {
        notify(LBN_SELCHANGE);
    }
}

} // namespace vorn::fw
