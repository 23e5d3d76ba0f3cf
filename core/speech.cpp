#include "core/speech.h"

#include "core/cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace core {

QByteArray speechRecord(const QString& text) {
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    QByteArray record = QByteArray::fromStdString(cp1252::encode(utf16)).left(kRecordSize);
    record.append(kRecordSize - record.size(), ' ');
    return record;
}

QString scratchFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("lloc.dat"));
}

bool writeRecord(const QString& path, const QByteArray& record, QString* error) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2")
                         .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    qsizetype done = 0;
    while (done < record.size()) {
        const ssize_t n = ::pwrite(fd, record.constData() + done,
                                   static_cast<std::size_t>(record.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (error)
                *error = QStringLiteral("cannot write %1: %2")
                             .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            ::close(fd);
            return false;
        }
        done += n;
    }
    return ::close(fd) == 0;
}

QStringList speakerArguments(int volume, const QString& path) {
    return {QStringLiteral("/I:c"), QStringLiteral("/L:1"), QStringLiteral("/V:%1").arg(volume),
            QStringLiteral("/F:%1").arg(path)};
}

// The build sets it from the install folders; this is GNUInstallDirs' default.
#ifndef RELLOTGE_SPEAKER_FOLDER
#define RELLOTGE_SPEAKER_FOLDER "../libexec/quirvel-rellotge"
#endif

QString installedSpeakerFolder() {
    return QStringLiteral(RELLOTGE_SPEAKER_FOLDER);
}

QString findSpeakerProgram(const QString& programFolder) {
    const QString name = QStringLiteral("sv");
    if (!programFolder.isEmpty()) {
        const QDir folder(programFolder);
        for (const QString& candidate :
             {folder.filePath(name), folder.filePath(installedSpeakerFolder() + u'/' + name)}) {
            const QFileInfo info(candidate);
            if (info.isFile() && info.isExecutable())
                return QDir::cleanPath(info.absoluteFilePath());
        }
    }
    // Last, because on Debian /usr/bin/sv is usually runit's, not ours.
    return QStandardPaths::findExecutable(name);
}

QString speakerProgram() {
    return findSpeakerProgram(QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                           : QString());
}

void speak(const QString& text, int volume) {
    const QString path = scratchFilePath();
    QString error;
    if (!writeRecord(path, speechRecord(text), &error)) {
        qWarning("speech: %s", qPrintable(error));
        return;
    }
    const QString program = speakerProgram();
    if (program.isEmpty()) {
        qWarning(
            "speech: no speech program \"sv\" beside the program, in %s from it, or on the PATH",
            qPrintable(installedSpeakerFolder()));
        return;
    }
    if (!QProcess::startDetached(program, speakerArguments(volume, path)))
        qWarning("speech: could not start %s", qPrintable(program));
}

} // namespace core
