// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/seams.h"
#include "kit/window_frames.h"

#include <QString>
#include <span>

class ActivityWindow;

// One activity of the main window's menu: its entry there and the window the
// entry opens. Adding an activity is one row in activities() and one class.
struct Activity {
    const char* entryName;  // the menu entry's objectName
    QString caption;        // the menu entry's text
    kit::WindowFrame frame; // the window's name, title, size, colours, icon, font
    ActivityWindow* (*open)(core::Seams seams); // builds the window
};

// The activities in menu order.
std::span<const Activity> activities();

// The frame of the activity window whose objectName is windowName (its class
// name); every activity window takes its frame from here.
const kit::WindowFrame& activityFrame(const char* windowName);
