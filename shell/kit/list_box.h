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

    int listIndex() const { return m_selected; }
    // Selects and scrolls to a row; Click follows only if it is a new row.
    void setListIndex(int row);

    void setColors(const QColor& text, const QColor& back);

signals:
    void Click();
    void DblClick();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void selectionMoved();

    int m_selected = -1;
};

} // namespace kit
