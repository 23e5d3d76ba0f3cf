// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace kit {

// A list box that reports a row becoming selected (mouse, arrow keys, or code
// choosing it), never the row that was already selected.
// Taking the focus selects nothing, so the first Down selects the first row.
class ListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent, const QString& name);

    // The selected row, or -1.
    int selectedRow() const;
    // Selects and scrolls to a row; rowSelected follows only if it is a new
    // row. A row out of range clears the selection.
    void selectRow(int row);
    // The text of the selected row, or an empty text.
    QString selectedText() const;

    void setColors(const QColor& text, const QColor& back);

signals:
    void rowSelected();
    void rowDoubleClicked();

protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace kit
