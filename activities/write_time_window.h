#pragma once

#include "activity_window.h"

// Form1, the write-the-time window: type the phrase for the clock's time.
class Form1 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form1(core::Seams seams);

private:
    void Form_Load();
};
