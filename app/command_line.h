#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// The program's options: --help, --version, --scale FACTOR and
// --screenshot FILE. The program reads its command line twice: once before
// any application object exists, where Qt's own options (-platform, -style)
// are still in it and are let through, and once after QApplication has taken
// them out, where anything unknown is a mistake.
class CommandLine final {
public:
    enum class Unknown { Allowed, Refused };

    CommandLine();

    // Reads the arguments, the program's name first. False, with error(),
    // when they are wrong.
    bool parse(const QStringList& arguments, Unknown unknown);

    bool help() const { return m_help; }
    bool version() const { return m_version; }
    // How much larger every window is drawn; empty when not asked for.
    std::optional<double> scale() const { return m_scale; }
    QString screenshot() const { return m_screenshot; }
    QString error() const { return m_error; }

    QString helpText() const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_helpOption;
    QCommandLineOption m_versionOption;
    QCommandLineOption m_scaleOption;
    QCommandLineOption m_screenshotOption;
    bool m_help = false;
    bool m_version = false;
    std::optional<double> m_scale;
    QString m_screenshot;
    QString m_error;
};

inline constexpr double kMinScale = 0.5;
inline constexpr double kMaxScale = 4.0;

// "2", "1.5" or "1,5" within kMinScale to kMaxScale; empty otherwise.
std::optional<double> parseScale(const QString& text);

} // namespace app
