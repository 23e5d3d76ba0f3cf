// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The Catalan quarter system: how each five-minute time of the dial is said.
namespace core {

// How many five-minute times a dial has, and so rows in phraseList().
inline constexpr int kPhraseCount = 144;

// kPhraseCount rows "HH.MM phrase", hour 12 first, then 01 to 11; row = list
// index.
const QStringList& phraseList();

// The first hour said a second, mixed way ("12.20 Les dotze i vint"): 13 rows.
const QStringList& mixedHourList();

// The word of an hour 1 to 12 ("una", "dues" ... "dotze").
QString hourName(int hour);

// The o'clock phrase for an hour count 0 to 11 (0 is twelve o'clock).
QString hourPhrase(int hour);

// "Un quart", "Dos quarts", "Tres quarts" for the minutes 15, 30, 45.
QString quarterPrefix(int minute);

// " d'una" ... " de dotze" for the next hour 1 to 12, with its leading blank.
QString nextHourPiece(int nextHour);

// The o'clock or quarter phrase of hour count 0 to 11 and minute; no text
// for any other minute, so the caller leaves what it showed.
std::optional<QString> quarterPhrase(int hour, int minute);

// Readers of one row; a reader past the end of the text gets what is there.
QString rowHourField(const QString& row);       // characters 1-2
QString rowMinuteField(const QString& row);     // characters 4-5
int rowHour(const QString& row);                // 12 or 1 to 11
int rowMinute(const QString& row);              // 0 to 55
QString rowKey(const QString& row);             // characters 1-5, "12.15"
QString rowKeyAndSeparator(const QString& row); // characters 1-6
QString rowTail(const QString& row);            // characters 6-35, leading blank kept
QString rowTailToEnd(const QString& row);       // characters 6 to the end
QString rowPhrase(const QString& row);          // characters 7 to the end

// The key of a time: each number in decimal, one digit gets a "0" in front.
QString timeKey(int hour, int minute);

// The index of the first row whose key is the given one, or -1.
int findRow(const QStringList& rows, const QString& key);

} // namespace core
