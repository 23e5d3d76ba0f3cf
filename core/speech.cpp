#include "core/speech.h"

#include "core/cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace core {

QByteArray speechRecord(const QString& text) {
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    QByteArray record = QByteArray::fromStdString(cp1252::encode(utf16)).left(kRecordSize);
    record.append(kRecordSize - record.size(), ' ');
    return record;
}

QStringList speakerArguments(int volume, const QString& path) {
    return {QStringLiteral("/I:c"), QStringLiteral("/L:1"), QStringLiteral("/V:%1").arg(volume),
            QStringLiteral("/F:%1").arg(path)};
}

QString speakerProgram() {
    const QString name = QStringLiteral("sv");
    if (QCoreApplication::instance()) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(name));
        if (beside.isFile() && beside.isExecutable())
            return beside.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

namespace {

// A child clicks many phrases; one line per cause is enough for whoever reads
// the terminal.
void warnOnce(const QString& message) {
    static QSet<QString> given;
    if (given.contains(message))
        return;
    given.insert(message);
    qWarning("speech: %s", qPrintable(message));
}

} // namespace

void speak(const QString& text, int volume) {
    QString problem;
    const QString path = scratchFilePath(&problem);
    if (path.isEmpty()) {
        warnOnce(problem + QStringLiteral("; speech is off"));
        return;
    }
    if (!writeRecord(path, speechRecord(text), &problem)) {
        warnOnce(QStringLiteral("cannot use the scratch file %1; speech is off").arg(problem));
        return;
    }
    const QString program = speakerProgram();
    if (program.isEmpty()) {
        warnOnce(QStringLiteral("no speech program \"sv\" beside the program or on the PATH"));
        return;
    }
    if (!QProcess::startDetached(program, speakerArguments(volume, path)))
        warnOnce(QStringLiteral("could not start %1").arg(program));
}

} // namespace core
