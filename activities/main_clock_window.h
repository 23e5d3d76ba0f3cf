#pragma once

#include "activity_window.h"

// Form5, the main clock window: a live clock over the board of hour names.
class Form5 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form5(core::Seams seams);

private:
    void Form_Load();
};
