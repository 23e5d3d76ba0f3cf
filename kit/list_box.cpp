// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/list_box.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace kit {

ListBox::ListBox(QWidget* parent, const QString& name) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
}

int ListBox::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::selectRow(int row) {
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
}

QString ListBox::selectedText() const {
    const int row = selectedRow();
    return row < 0 ? QString() : item(row)->text();
}

void ListBox::setColors(const QColor& text, const QColor& back) {
    QPalette p = palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, back);
    setPalette(p);
}

void ListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListWidget::selectionChanged(selected, deselected);
    // Only a row becoming selected counts: clearing the rows, or choosing the
    // row that is already selected, selects nothing new.
    if (!selected.isEmpty())
        emit rowSelected();
}

void ListBox::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    // Qt makes the first row current on focus; a list that had nothing
    // selected must stay that way until the child picks a row.
    if (!hadCurrent && selectedItems().isEmpty())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit rowDoubleClicked();
}

} // namespace kit
