#pragma once

#include "activities/activity_window.h"

// Match the digits to one of five phrases.
class MatchTextWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit MatchTextWindow(core::Seams seams);
};
