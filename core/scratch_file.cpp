// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scratch_file.h"

#include "core/private_files.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace core {

namespace {

constexpr auto kFileName = "lloc.dat";

QString fromSystem(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString scratchFolder(QString* problem) {
    std::string why;
    const std::string folder = private_files::privateFolder(why);
    if (folder.empty() && problem)
        *problem =
            QStringLiteral("no private folder for the scratch file: %1").arg(fromSystem(why));
    return fromSystem(folder);
}

QString scratchFilePath(QString* problem) {
    const QString folder = scratchFolder(problem);
    return folder.isEmpty() ? QString() : folder + u'/' + QLatin1String(kFileName);
}

bool writeRecord(const QString& path, const QByteArray& record, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    std::string refusal;
    const int fd = private_files::openOwnFile(QFile::encodeName(path).toStdString(),
                                              private_files::Access::Write, 0600, refusal);
    if (fd < 0)
        return fail(fromSystem(refusal));
    qsizetype done = 0;
    while (done < record.size()) {
        const ssize_t n = ::pwrite(fd, record.constData() + done,
                                   static_cast<std::size_t>(record.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const QString why = n < 0 ? systemReason() : QStringLiteral("nothing written");
            ::close(fd);
            return fail(why);
        }
        done += n;
    }
    if (::close(fd) != 0)
        return fail(systemReason());
    return true;
}

} // namespace core
