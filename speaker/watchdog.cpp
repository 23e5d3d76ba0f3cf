// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/watchdog.h"

#include <algorithm>
#include <ctime>
#include <unistd.h>

namespace speaker {

namespace {

long long gArmedAt = -1; // seconds on the monotonic clock

long long nowSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec;
}

} // namespace

void armWatchdog() {
    gArmedAt = nowSeconds();
    ::alarm(kStallSeconds);
}

void feedWatchdog() {
    if (gArmedAt < 0) {
        return;
    }
    const long long left = kLongestSeconds - (nowSeconds() - gArmedAt);
    // alarm(0) would cancel it: one second is the least left.
    ::alarm(static_cast<unsigned>(std::clamp<long long>(left, 1, kStallSeconds)));
}

} // namespace speaker
