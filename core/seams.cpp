// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/seams.h"

#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace core {

std::function<double()> timeSeededRandom() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    auto engine = std::make_shared<std::mt19937_64>(static_cast<std::uint64_t>(ticks));
    return [engine] {
        // Some library versions can round up to 1.0; a draw must stay below it.
        const double value = std::generate_canonical<double, 53>(*engine);
        return value < 1.0 ? value : std::nextafter(1.0, 0.0);
    };
}

} // namespace core
