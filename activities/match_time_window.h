#pragma once

#include "activity_window.h"

// Form7, the match-time-to-clock window: nine dials and one phrase.
class Form7 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form7(core::Seams seams);

private:
    void Form_Load();
};
