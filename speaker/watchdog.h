// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stuck engine or sound system must not leave sv hanging, however long
// the text: the watchdog (SIGALRM, whose handler main() installs) fires when
// the voice has made no progress for a while, not after a fixed time.
namespace speaker {

// How long sv waits without a new buffer of speech made, written or played.
// The sound system takes a buffer every few tens of milliseconds while it
// plays, and holds about two seconds when it drains at the end.
inline constexpr unsigned kStallSeconds = 10;

// However it goes, sv stops this long after it was armed. The longest record
// at the slowest rate takes about a minute and a half to say.
inline constexpr unsigned kLongestSeconds = 300;

// Starts the watchdog: SIGALRM comes kStallSeconds from now.
void armWatchdog();

// Progress: pushes the alarm kStallSeconds on again, up to kLongestSeconds
// after armWatchdog(). Does nothing before armWatchdog() is called.
void feedWatchdog();

} // namespace speaker
