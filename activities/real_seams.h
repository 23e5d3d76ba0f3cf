// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/seams.h"

// The real world for one activity window: its own random source, the
// computer's clock, the speech program and a modal message box.
core::Seams realSeams();
