#include "list_box.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace kit {

ListBox::ListBox(QWidget* parent, const QString& name) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::selectionMoved);
    // Clearing the rows forgets the selection without a Click.
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { m_selected = -1; });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] {
        if (selectedItems().isEmpty())
            m_selected = -1;
    });
}

void ListBox::setListIndex(int row) {
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
}

void ListBox::setColors(const QColor& text, const QColor& back) {
    QPalette p = palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, back);
    setPalette(p);
}

void ListBox::selectionMoved() {
    const QList<QListWidgetItem*> selected = selectedItems();
    const int now = selected.isEmpty() ? -1 : row(selected.first());
    if (now == m_selected)
        return;
    m_selected = now;
    if (now >= 0)
        emit Click();
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
        emit DblClick();
}

} // namespace kit
