// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The scratch file that hands a text to the speech program. Another user
// must never be able to read it, write it, or make us block on it.
namespace core {

// The folder for the scratch file: our private folder (core/private_files.h),
// never a shared one. Empty, with the reason in problem, when none is safe.
QString scratchFolder(QString* problem = nullptr);

// lloc.dat in that folder, or empty with the reason in problem.
QString scratchFilePath(QString* problem = nullptr);

// Rewrites bytes 0 to 199 of the file with the record, creating it (0600)
// when missing, never shortening it. Refuses at once, with the reason in
// error, anything but a regular file of ours that no one else may write: a
// symbolic link is never followed and a pipe or device never waited on.
bool writeRecord(const QString& path, const QByteArray& record, QString* error = nullptr);

} // namespace core
