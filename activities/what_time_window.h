#pragma once

#include "activity_window.h"

// Form2, the what-time-is-it window: six dials at random times to read.
class Form2 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form2(core::Seams seams);

private:
    void Form_Load();
};
