// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speech.h"

#include "core/cp1252.h"
#include "generated/build_info.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
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

QString installedSpeakerFolder() {
    return QString::fromUtf8(build_info::kSpeakerFolder);
}

namespace {

// Asks a program named sv who it is, once per file and version of it.
bool isOurSpeaker(const QString& path) {
    static QHash<QString, std::pair<QDateTime, bool>> answers;
    const QDateTime modified = QFileInfo(path).lastModified();
    if (const auto it = answers.constFind(path); it != answers.cend() && it->first == modified)
        return it->second;
    QProcess probe;
    probe.start(path, {QStringLiteral("--version")}, QIODevice::ReadOnly);
    bool ours = probe.waitForFinished(2000) && probe.exitStatus() == QProcess::NormalExit &&
                probe.exitCode() == 0 && probe.readAllStandardOutput().startsWith(kSpeakerVersion);
    if (probe.state() != QProcess::NotRunning) {
        probe.kill();
        probe.waitForFinished(1000);
        ours = false;
    }
    answers.insert(path, {modified, ours});
    return ours;
}

bool isRunnable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString findSpeakerProgram(const QString& programFolder) {
    const QString name = QStringLiteral("sv");
    if (!programFolder.isEmpty()) {
        const QDir folder(programFolder);
        // An installed copy: its own speech program, in a folder no other
        // package uses, is taken without asking.
        const QString installed =
            QDir::cleanPath(folder.absoluteFilePath(installedSpeakerFolder() + u'/' + name));
        if (isRunnable(installed))
            return installed;
        // The build tree keeps sv beside the program; installed under
        // /usr/bin, that place holds runit's service tool once it is
        // installed, so a program there must say that it is ours.
        const QString beside = QDir::cleanPath(folder.absoluteFilePath(name));
        if (isRunnable(beside) && isOurSpeaker(beside))
            return beside;
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    return !onPath.isEmpty() && isOurSpeaker(onPath) ? onPath : QString();
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

QString speakerProgram() {
    return findSpeakerProgram(QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                           : QString());
}

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
        warnOnce(QStringLiteral("no speech program \"sv\" of ours in %1 from the program, "
                                "beside it, or on the PATH")
                     .arg(installedSpeakerFolder()));
        return;
    }
    if (!QProcess::startDetached(program, speakerArguments(volume, path)))
        warnOnce(QStringLiteral("could not start %1").arg(program));
}

} // namespace core
