#pragma once

#include <QByteArray>
#include <QString>

// The scratch file that hands a text to the speech program. Another user
// must never be able to read it, write it, or make us block on it.
namespace core {

// The folder for the scratch file: the per-user runtime folder
// ($XDG_RUNTIME_DIR) when it is a real folder of ours that only we can enter;
// otherwise "quirvel-rellotge" in the user's cache folder, created 0700 and
// checked (ours, 0700, not a link) at every call. Never a shared folder.
// Empty, with the reason in problem, when neither is safe.
QString scratchFolder(QString* problem = nullptr);

// lloc.dat in that folder, or empty with the reason in problem.
QString scratchFilePath(QString* problem = nullptr);

// Rewrites bytes 0 to 199 of the file with the record, creating it (0600)
// when missing, never shortening it. Refuses at once, with the reason in
// error, anything but a regular file of ours that no one else may write: a
// symbolic link is never followed and a pipe or device never waited on.
bool writeRecord(const QString& path, const QByteArray& record, QString* error = nullptr);

} // namespace core
