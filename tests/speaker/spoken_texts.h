// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Every text a window can speak: whole rows with their digits, their tails
// (" Les dotze i vint"), and the composed o'clock and quarter phrases.
QStringList spokenTexts();
