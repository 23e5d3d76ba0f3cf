// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace app {

// The program's options: --help, --version, --scale FACTOR and
// --screenshot FILE, beside Qt's own (-platform, -style, -display...), which
// it knows by name so that it can judge the whole command line before any
// application object exists, with or without a display.
class CommandLine final {
public:
    CommandLine();

    // Reads the arguments, the program's name first. False, with error(),
    // when they are wrong. Qt's messages come out in the language of the
    // translators installed when it runs.
    bool parse(const QStringList& arguments);

    bool help() const { return m_help; }
    bool version() const { return m_version; }
    // How much larger every window is drawn; empty when not asked for.
    std::optional<double> scale() const { return m_scale; }
    QString screenshot() const { return m_screenshot; }
    QString error() const { return m_error; }

    // Where Qt was told to draw: -platform NAME, -display NAME; empty when
    // not given.
    QString platform() const;
    QString display() const;
    // Qt's options as they were read, each as a word and its value, for the
    // application object: "-platform=offscreen" reaches Qt as
    // "-platform offscreen", the form it understands.
    QStringList qtArguments() const;

    QString helpText() const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_helpOption;
    QCommandLineOption m_versionOption;
    QCommandLineOption m_scaleOption;
    QCommandLineOption m_screenshotOption;
    std::vector<QCommandLineOption> m_qtOptions;
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
