// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

namespace kit {

// For controls too small to hold the focus ring inside them (push buttons a
// dozen pixels high, a scroll bar): the ring is drawn just outside the one
// with the focus, over its neighbours, while the focus did not come from the
// mouse. Enter presses a button as Space does, which Qt's push buttons do
// only in dialogs.
class OutsideFocusRing final : public QWidget {
    Q_OBJECT
public:
    // margin: how far outside each control the ring's outer edge lies.
    OutsideFocusRing(std::vector<QWidget*> controls, int margin);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ringAround(QWidget& control);

    int m_margin;
};

} // namespace kit
