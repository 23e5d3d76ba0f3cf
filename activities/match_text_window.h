#pragma once

#include "activity_window.h"

// Form6, the match-text-to-clock window: a time in digits and five phrases.
class Form6 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form6(core::Seams seams);

private:
    void Form_Load();
};
