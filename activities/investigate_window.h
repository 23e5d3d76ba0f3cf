#pragma once

#include "activity_window.h"

// Form3, the investigate window: a clock beside all 144 phrases.
class Form3 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form3(core::Seams seams);

private:
    void Form_Load();
};
