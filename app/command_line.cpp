// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCoreApplication>
#include <cmath>

namespace app {

namespace {

// The options that QApplication and its X11 plugin take out of the command
// line for themselves; the program only passes them on.
constexpr auto kQtOptionsWithValue = "platform platformpluginpath platformtheme plugin "
                                     "qwindowgeometry qwindowicon qwindowtitle geometry title icon "
                                     "display name visual session style stylesheet";
constexpr auto kQtFlags = "reverse widgetcount testability nograb dograb sync";

constexpr auto kPlatform = "platform";
constexpr auto kDisplay = "display";

// After the options, what the program keeps between runs and where; the man
// page says more.
constexpr auto kFilesNote =
    "\nPer llegir una frase en veu alta, el programa l'escriu a lloc.dat, a la carpeta\n"
    "$XDG_RUNTIME_DIR (o a ~/.cache/quirvel-rellotge si no n'hi ha o no és privada),\n"
    "i hi engega el programa de veu sv, que hi deixa sv.lock. Tots dos fitxers s'hi\n"
    "queden entre execucions. Més informació: man quirvel-rellotge\n";

} // namespace

CommandLine::CommandLine()
    : m_helpOption({QStringLiteral("h"), QStringLiteral("help")},
                   QStringLiteral("Mostra aquesta ajuda i surt.")),
      m_versionOption({QStringLiteral("v"), QStringLiteral("version")},
                      QStringLiteral("Mostra la versió i quin programa de veu fa servir, i surt.")),
      m_scaleOption(QStringLiteral("scale"),
                    QStringLiteral("Dibuixa totes les finestres <factor> vegades més grans "
                                   "(de 0.5 a 4; per exemple 2 per a un projector o una "
                                   "pissarra digital)."),
                    QStringLiteral("factor")),
      m_screenshotOption(QStringLiteral("screenshot"),
                         QStringLiteral("Obre la finestra principal, en desa una imatge PNG a "
                                        "<fitxer> i surt."),
                         QStringLiteral("fitxer")) {
    m_parser.setApplicationDescription(
        QStringLiteral("Quirvel'rellotge: aprèn a llegir el rellotge d'agulles i a dir l'hora "
                       "en català, amb els quarts."));
    // Qt's own options are single-dash words (-platform, -reverse): read as
    // letters, "-reverse" would ask for the version.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({m_helpOption, m_versionOption, m_scaleOption, m_screenshotOption});
    for (const QString& name : QString::fromLatin1(kQtOptionsWithValue).split(u' '))
        m_qtOptions.emplace_back(name, QString(), QStringLiteral("valor"));
    for (const QString& name : QString::fromLatin1(kQtFlags).split(u' '))
        m_qtOptions.emplace_back(name);
    for (QCommandLineOption& option : m_qtOptions) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
}

bool CommandLine::parse(const QStringList& arguments) {
    m_help = m_version = false;
    m_scale.reset();
    m_screenshot.clear();
    m_error.clear();

    const bool parsed = m_parser.parse(arguments);
    m_help = m_parser.isSet(m_helpOption);
    m_version = m_parser.isSet(m_versionOption);
    if (m_help || m_version)
        return true;
    if (!parsed) {
        m_error = m_parser.errorText();
        if (m_error.endsWith(u'.'))
            m_error.chop(1);
        return false;
    }

    if (m_parser.isSet(m_scaleOption)) {
        m_scale = parseScale(m_parser.value(m_scaleOption));
        if (!m_scale) {
            m_error = QStringLiteral("--scale vol un nombre de 0.5 a 4, no «%1»")
                          .arg(m_parser.value(m_scaleOption));
            return false;
        }
    }
    m_screenshot = m_parser.value(m_screenshotOption);
    if (m_parser.isSet(m_screenshotOption) && m_screenshot.isEmpty()) {
        m_error = QStringLiteral("--screenshot vol un nom de fitxer");
        return false;
    }

    if (const QStringList extra = m_parser.positionalArguments(); !extra.isEmpty()) {
        m_error = QStringLiteral("argument inesperat: «%1»").arg(extra.first());
        return false;
    }
    return true;
}

QString CommandLine::platform() const {
    return m_parser.value(QString::fromLatin1(kPlatform));
}

QString CommandLine::display() const {
    return m_parser.value(QString::fromLatin1(kDisplay));
}

QStringList CommandLine::qtArguments() const {
    QStringList arguments;
    for (const QCommandLineOption& option : m_qtOptions) {
        const QString word = u'-' + option.names().constFirst();
        if (option.valueName().isEmpty()) {
            if (m_parser.isSet(option))
                arguments << word;
            continue;
        }
        for (const QString& value : m_parser.values(option))
            arguments << word << value;
    }
    return arguments;
}

QString CommandLine::helpText() const {
    return m_parser.helpText() + QString::fromUtf8(kFilesNote);
}

std::optional<double> parseScale(const QString& text) {
    QString number = text.trimmed();
    number.replace(u',', u'.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < kMinScale || value > kMaxScale)
        return std::nullopt;
    return value;
}

} // namespace app
