#include "app/command_line.h"

#include <QCoreApplication>
#include <cmath>

namespace app {

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
}

bool CommandLine::parse(const QStringList& arguments, Unknown unknown) {
    m_help = m_version = false;
    m_scale.reset();
    m_screenshot.clear();
    m_error.clear();

    const bool parsed = m_parser.parse(arguments);
    m_help = m_parser.isSet(m_helpOption);
    m_version = m_parser.isSet(m_versionOption);
    if (m_help || m_version)
        return true;

    if (m_parser.isSet(m_scaleOption)) {
        m_scale = parseScale(m_parser.value(m_scaleOption));
        if (!m_scale) {
            m_error = QStringLiteral("--scale needs a number from 0.5 to 4, not '%1'")
                          .arg(m_parser.value(m_scaleOption));
            return false;
        }
    }
    m_screenshot = m_parser.value(m_screenshotOption);
    if (m_parser.isSet(m_screenshotOption) && m_screenshot.isEmpty()) {
        m_error = QStringLiteral("--screenshot needs a file name");
        return false;
    }

    if (unknown == Unknown::Allowed)
        return true;
    if (!parsed) {
        m_error = m_parser.errorText();
        if (m_error.endsWith(u'.'))
            m_error.chop(1);
        return false;
    }
    if (const QStringList extra = m_parser.positionalArguments(); !extra.isEmpty()) {
        m_error = QStringLiteral("unexpected argument '%1'").arg(extra.first());
        return false;
    }
    return true;
}

QString CommandLine::helpText() const {
    return m_parser.helpText();
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
