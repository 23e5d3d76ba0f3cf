// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_table.h"

#include "activities/investigate_window.h"
#include "activities/live_clock_window.h"
#include "activities/match_text_window.h"
#include "activities/match_time_window.h"
#include "activities/move_hands_window.h"
#include "activities/what_time_window.h"
#include "activities/write_time_window.h"
#include "kit/units.h"

#include <array>
#include <cstring>

namespace {

template <class Window> ActivityWindow* open(core::Seams seams) {
    return new Window(std::move(seams));
}

const std::array<Activity, 7> kActivities{{{"openLiveClock",
                                            QStringLiteral("Rellotge principal"),
                                            {"LiveClockWindow",
                                             QStringLiteral(" Quina hora és?"),
                                             {8295, 4950},
                                             std::nullopt,
                                             "icon_window_b",
                                             nullptr,
                                             0,
                                             false},
                                            open<LiveClockWindow>},
                                           {"openInvestigate",
                                            QStringLiteral("Investiga"),
                                            {"InvestigateWindow",
                                             QStringLiteral("Investiga"),
                                             {11910, 7035},
                                             kit::rgb(64, 64, 64),
                                             "icon_window_b",
                                             nullptr,
                                             0,
                                             false},
                                            open<InvestigateWindow>},
                                           {"openWhatTime",
                                            QStringLiteral("Quina hora és?"),
                                            {"WhatTimeWindow",
                                             QStringLiteral(" Quina hora és?"),
                                             {8550, 5490},
                                             std::nullopt,
                                             "icon_window_b",
                                             nullptr,
                                             0,
                                             false},
                                            open<WhatTimeWindow>},
                                           {"openMoveHands",
                                            QStringLiteral("Mou les agulles"),
                                            {"MoveHandsWindow",
                                             QStringLiteral("Mou les agulles..."),
                                             {5790, 5535},
                                             kit::rgb(128, 128, 128),
                                             "icon_window_c",
                                             nullptr,
                                             0,
                                             false},
                                            open<MoveHandsWindow>},
                                           {"openWriteTime",
                                            QStringLiteral("Escriu la hora"),
                                            {"WriteTimeWindow",
                                             QStringLiteral("Escriu la hora"),
                                             {9660, 5655},
                                             kit::rgb(0, 0, 0),
                                             "icon_window_c",
                                             "Courier New",
                                             21.75,
                                             true},
                                            open<WriteTimeWindow>},
                                           {"openMatchTime",
                                            QStringLiteral("Relaciona hora-rellotge"),
                                            {"MatchTimeWindow",
                                             QStringLiteral("Relaciona hora i rellotge"),
                                             {7065, 4650},
                                             kit::rgb(255, 128, 0),
                                             nullptr,
                                             nullptr,
                                             0,
                                             false},
                                            open<MatchTimeWindow>},
                                           {"openMatchText",
                                            QStringLiteral("Relaciona text-rellotge"),
                                            {"MatchTextWindow",
                                             QStringLiteral("Relacionem un text amb..."),
                                             {8460, 5370},
                                             kit::rgb(255, 128, 0),
                                             nullptr,
                                             "MS Sans Serif",
                                             8.25,
                                             true},
                                            open<MatchTextWindow>}}};

} // namespace

std::span<const Activity> activities() {
    return kActivities;
}

const kit::WindowFrame& activityFrame(const char* windowName) {
    for (const Activity& activity : kActivities)
        if (std::strcmp(activity.frame.objectName, windowName) == 0)
            return activity.frame;
    qFatal("no activity has a window named %s", windowName);
}
