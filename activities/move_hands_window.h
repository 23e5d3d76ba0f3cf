#pragma once

#include "activity_window.h"

// Form8, the move-the-hands window: set the hands to a time shown in digits.
class Form8 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form8(core::Seams seams);

private:
    void Form_Load();
};
