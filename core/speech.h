// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scratch_file.h"
#include "core/speech_protocol.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Hands a text to the speech program: one fixed-size record in a scratch
// file, then the program started detached with that file on its command line.
namespace core {

inline constexpr int kRecordSize = static_cast<int>(speech_protocol::kRecordSize);

// The text as the speech program reads it: Windows-1252, blank padded on the
// right to 200 bytes, or cut after 200 characters.
QByteArray speechRecord(const QString& text);

// "/I:c /L:1 /V:<volume> /F:<path>"
QStringList speakerArguments(int volume, const QString& path);

// Where an installed copy keeps its speech program, relative to the folder
// of the program itself: bin/../libexec/quirvel-rellotge.
QString installedSpeakerFolder();

// How our speech program's --version answer begins; a program of the same
// name that answers otherwise is someone else's.
inline constexpr const auto& kSpeakerVersion = speech_protocol::kVersionBanner;

// The speech program "sv" for a program in the given folder: in
// installedSpeakerFolder() from there (an installed copy), taken as it is;
// else beside it (the build tree), then on the PATH, each only when it
// answers --version as ours (runit's sv lives in /usr/bin). Empty when there
// is none.
QString findSpeakerProgram(const QString& programFolder);

// findSpeakerProgram() from the folder of the running program.
QString speakerProgram();

// Writes the record and starts the speech program without waiting for it.
// Failures never reach the child: each cause is one warning on stderr, given
// once however many phrases follow.
void speak(const QString& text, int volume);

} // namespace core
