#include "core/scratch_file.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

constexpr auto kFileName = "lloc.dat";
constexpr auto kOwnFolder = "quirvel-rellotge";

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A folder only we can enter: a directory, not a link, ours, no bits for
// group or others.
bool isPrivateFolder(const QString& path, QString* why) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        *why = QStringLiteral("%1: %2").arg(path, systemReason());
        return false;
    }
    if (S_ISLNK(info.st_mode))
        *why = QStringLiteral("%1 is a symbolic link").arg(path);
    else if (!S_ISDIR(info.st_mode))
        *why = QStringLiteral("%1 is not a folder").arg(path);
    else if (info.st_uid != ::geteuid())
        *why = QStringLiteral("%1 belongs to another user").arg(path);
    else if ((info.st_mode & 077) != 0)
        *why = QStringLiteral("%1 is open to other users (mode %2)")
                   .arg(path)
                   .arg(info.st_mode & 0777, 3, 8, QLatin1Char('0'));
    else
        return true;
    return false;
}

QString cacheHome() {
    const QString configured = qEnvironmentVariable("XDG_CACHE_HOME");
    if (QDir::isAbsolutePath(configured))
        return configured;
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home + QStringLiteral("/.cache") : QString();
}

} // namespace

QString scratchFolder(QString* problem) {
    QString why;
    // Read from the environment rather than through Qt, which warns at every
    // call when the variable is unset.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime, &why))
        return runtime;

    const QString cache = cacheHome();
    if (cache.isEmpty()) {
        if (problem)
            *problem = QStringLiteral("no private folder for the scratch file: neither "
                                      "XDG_RUNTIME_DIR nor HOME is usable");
        return {};
    }
    const QString own = cache + u'/' + QLatin1String(kOwnFolder);
    // Made 0700 from the start, so it is never open to others even briefly;
    // an existing one is checked below like any other.
    QDir().mkpath(cache);
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (isPrivateFolder(own, &why))
        return own;
    if (problem)
        *problem = QStringLiteral("no private folder for the scratch file: %1").arg(why);
    return {};
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
    // Non-blocking, so that a pipe planted at the path cannot hold us; the
    // checks on the open file then refuse it.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == ELOOP)
            return fail(QStringLiteral("is a symbolic link"));
        if (errno == ENXIO)
            return fail(QStringLiteral("is a pipe or device, not a regular file"));
        return fail(systemReason());
    }
    struct stat info {};
    QString refusal;
    if (::fstat(fd, &info) != 0)
        refusal = systemReason();
    else if (!S_ISREG(info.st_mode))
        refusal = QStringLiteral("is not a regular file");
    else if (info.st_uid != ::geteuid())
        refusal = QStringLiteral("belongs to another user");
    else if ((info.st_mode & 022) != 0)
        refusal = QStringLiteral("can be written by other users");
    if (!refusal.isEmpty()) {
        ::close(fd);
        return fail(refusal);
    }
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
