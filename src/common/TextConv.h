// Text conversions shared by the settings files and the event log: the locale's short date and
// long time as the program writes them, and the lenient number and boolean readers.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

namespace trelvix {

// The locale's short date pattern, with a two-digit year widened to four digits (a two-digit
// year reads back a century early) and a numeric fall-back when the text would not fit the
// 11 characters of an event record.
QString ShortDatePattern(const QLocale& locale = QLocale::system());
// The locale's long time pattern without the time zone; 24-hour "HH:mm:ss" when the locale's
// form would not fit the 9 characters of an event record.
QString LongTimePattern(const QLocale& locale = QLocale::system());

QString DateToShortText(const QDate& date, const QLocale& locale = QLocale::system());
QString TimeToLongText(const QTime& time, const QLocale& locale = QLocale::system());
// Invalid date/time when the text cannot be read.
QDate ShortTextToDate(const QString& text, const QLocale& locale = QLocale::system());
QTime LongTextToTime(const QString& text, const QLocale& locale = QLocale::system());

// "True"/"False" in any letter case, or an integer (0 false, anything else true).
std::optional<bool> TextToBool(const QString& text);
// A decimal integer with optional sign and surrounding spaces; nothing else.
std::optional<int> TextToInt(const QString& text);
inline QString BoolToText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace trelvix
