// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phrases.h"

#include <array>

namespace core {

namespace {

constexpr std::array<const char*, 12> kWords{"una", "dues", "tres", "quatre", "cinc", "sis",
                                             "set", "vuit", "nou",  "deu",    "onze", "dotze"};

// "d'" before the words that begin with a vowel, "de " before the others.
QString nextHourForm(int hour) {
    const QString word = hourName(hour);
    return (hour == 1 || hour == 11) ? QStringLiteral("d'") + word : QStringLiteral("de ") + word;
}

QString rowPhraseFor(int hour, int minute) {
    const QString word = hourName(hour);
    const QString article = hour == 1 ? QStringLiteral("La") : QStringLiteral("Les");
    const QString next = nextHourForm(hour % 12 + 1);
    // Only the hours 12, 1 and 2 begin "Tres quarts" with a capital.
    const QString three =
        (hour == 12 || hour <= 2) ? QStringLiteral("Tres") : QStringLiteral("tres");
    switch (minute) {
    case 0:
        return article + u' ' + word;
    case 5:
        return article + u' ' + word + QStringLiteral(" i cinc");
    case 10:
        return article + u' ' + word + QStringLiteral(" i deu");
    case 15:
        return QStringLiteral("Un quart ") + next;
    case 20:
        return QStringLiteral("Un quart i cinc ") + next;
    case 25:
        return QStringLiteral("Un quart i deu ") + next;
    case 30:
        return QStringLiteral("Dos quarts ") + next;
    case 35:
        return QStringLiteral("Dos quarts i cinc ") + next;
    case 40:
        return QStringLiteral("Dos quarts i deu ") + next;
    case 45:
        return three + QStringLiteral(" quarts ") + next;
    case 50:
        return three + QStringLiteral(" quarts i cinc ") + next;
    default:
        return three + QStringLiteral(" quarts i deu ") + next;
    }
}

QStringList buildPhraseList() {
    QStringList rows;
    rows.reserve(kPhraseCount);
    for (int index = 0; index < 12; ++index) {
        const int hour = index == 0 ? 12 : index;
        for (int minute = 0; minute < 60; minute += 5)
            rows << timeKey(hour, minute) + u' ' + rowPhraseFor(hour, minute);
    }
    return rows;
}

} // namespace

const QStringList& phraseList() {
    static const QStringList rows = buildPhraseList();
    return rows;
}

const QStringList& mixedHourList() {
    static const QStringList rows{
        QStringLiteral("12.00 Les dotze"),
        QStringLiteral("12.05 Les dotze i cinc"),
        QStringLiteral("12.10 Les dotze i deu"),
        QStringLiteral("12.15 Un quart d'una"),
        QStringLiteral("12.20 Les dotze i vint"),
        QStringLiteral("12.25 Les dotze i vint-i-cinc"),
        QStringLiteral("12.30 Dos quarts d'una"),
        QStringLiteral("12.35 Les dotze i trenta cinc"),
        QStringLiteral("12.40 Les dotze quaranta"),
        QStringLiteral("12.45 Tres quarts d'una"),
        QStringLiteral("12.50 La una menys deu"),
        QStringLiteral("12.55 La una menys cinc"),
        QStringLiteral("01.00 La una"),
    };
    return rows;
}

QString hourName(int hour) {
    if (hour < 1 || hour > 12)
        return {};
    return QString::fromLatin1(kWords[static_cast<std::size_t>(hour - 1)]);
}

QString hourPhrase(int hour) {
    if (hour < 0 || hour > 11)
        return {};
    // "Les dotze": "La" belongs to "una" alone.
    return (hour == 1 ? QStringLiteral("La ") : QStringLiteral("Les ")) +
           hourName(hour == 0 ? 12 : hour);
}

QString quarterPrefix(int minute) {
    switch (minute) {
    case 15:
        return QStringLiteral("Un quart");
    case 30:
        return QStringLiteral("Dos quarts");
    case 45:
        return QStringLiteral("Tres quarts");
    default:
        return {};
    }
}

QString nextHourPiece(int nextHour) {
    if (nextHour < 1 || nextHour > 12)
        return {};
    return u' ' + nextHourForm(nextHour);
}

std::optional<QString> quarterPhrase(int hour, int minute) {
    if (hour < 0 || hour > 11)
        return std::nullopt;
    if (minute == 0)
        return hourPhrase(hour);
    if (minute == 15 || minute == 30 || minute == 45)
        return quarterPrefix(minute) + nextHourPiece(hour + 1);
    return std::nullopt;
}

QString rowHourField(const QString& row) {
    return row.left(2);
}
QString rowMinuteField(const QString& row) {
    return row.mid(3, 2);
}
namespace {

// The whole number a field begins with, after any blanks; 0 when none.
int leadingNumber(const QString& field) {
    int value = 0;
    qsizetype i = 0;
    while (i < field.size() && field[i] == u' ')
        ++i;
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i)
        value = value * 10 + (field[i].unicode() - u'0');
    return value;
}

} // namespace

int rowHour(const QString& row) {
    return leadingNumber(rowHourField(row));
}
int rowMinute(const QString& row) {
    return leadingNumber(rowMinuteField(row));
}
QString rowKey(const QString& row) {
    return row.left(5);
}
QString rowKeyAndSeparator(const QString& row) {
    return row.left(6);
}
QString rowTail(const QString& row) {
    return row.mid(5, 30);
}
QString rowTailToEnd(const QString& row) {
    return row.mid(5);
}
QString rowPhrase(const QString& row) {
    return row.mid(6);
}

QString timeKey(int hour, int minute) {
    return QStringLiteral("%1.%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

int findRow(const QStringList& rows, const QString& key) {
    for (int i = 0; i < rows.size(); ++i)
        if (rowKey(rows[i]) == key)
            return i;
    return -1;
}

} // namespace core
