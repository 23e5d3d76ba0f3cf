// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace kit {

// A font as the layouts give it: face, size in points (two decimals kept),
// weight and slant. The classic Windows faces fall back to their
// metric-compatible Liberation faces so that text keeps its width.
QFont font(const QString& face, double points, bool bold = false, bool italic = false);

} // namespace kit
