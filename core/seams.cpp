#include "core/seams.h"

#include "core/speech.h"

#include <QMessageBox>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace core {

Seams realSeams() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    auto engine = std::make_shared<std::mt19937_64>(static_cast<std::uint64_t>(ticks));
    Seams seams;
    seams.random = [engine] {
        // Some library versions can round up to 1.0; a draw must stay below it.
        const double value = std::generate_canonical<double, 53>(*engine);
        return value < 1.0 ? value : std::nextafter(1.0, 0.0);
    };
    seams.now = [] { return QTime::currentTime(); };
    seams.speak = [](const QString& text, int volume) { speak(text, volume); };
    seams.message = [](const QString& prompt, const QString& title) {
        QMessageBox::information(nullptr, title, prompt);
    };
    return seams;
}

} // namespace core
