#pragma once

#include <QListWidget>

namespace kit {

// A list box: Click when the selected row changes (mouse, arrow keys, or a
// handler writing the index), never for the row that was already selected.
// Taking the focus selects nothing, so the first Down selects the first row.
class ListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent, const QString& name);

    // The selected row, or -1.
    int listIndex() const;
    // Selects and scrolls to a row; Click follows only if it is a new row.
    void setListIndex(int row);

    void setColors(const QColor& text, const QColor& back);

signals:
    void Click();
    void DblClick();

protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace kit
