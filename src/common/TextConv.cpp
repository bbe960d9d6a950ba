#include "common/TextConv.h"

namespace trelvix {

namespace {
constexpr int kRecordDateUnits = 11;
constexpr int kRecordTimeUnits = 9;
}  // namespace

QString ShortDatePattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy")))
        pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    // The longest month and day decide whether the text fits the record.
    const QString probe = locale.toString(QDate(2000, 12, 28), pattern);
    if (probe.size() > kRecordDateUnits || !pattern.contains(QLatin1String("yyyy")))
        return QStringLiteral("yyyy-MM-dd");
    return pattern;
}

QString LongTimePattern(const QLocale& locale) {
    QString pattern = locale.timeFormat(QLocale::LongFormat);
    pattern.remove(QLatin1Char('t'));
    pattern = pattern.trimmed();
    const QString probe = locale.toString(QTime(23, 59, 59), pattern);
    if (pattern.contains(QLatin1String("ap"), Qt::CaseInsensitive) ||
        probe.size() > kRecordTimeUnits || !pattern.contains(QLatin1String("ss")))
        return QStringLiteral("HH:mm:ss");
    return pattern;
}

QString DateToShortText(const QDate& date, const QLocale& locale) {
    return locale.toString(date, ShortDatePattern(locale));
}

QString TimeToLongText(const QTime& time, const QLocale& locale) {
    return locale.toString(time, LongTimePattern(locale));
}

QDate ShortTextToDate(const QString& text, const QLocale& locale) {
    const QString t = text.trimmed();
    QDate d = locale.toDate(t, ShortDatePattern(locale));
    if (!d.isValid()) d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) d = locale.toDate(t, QLocale::ShortFormat);
    return d;
}

QTime LongTextToTime(const QString& text, const QLocale& locale) {
    const QString t = text.trimmed();
    QTime tm = locale.toTime(t, LongTimePattern(locale));
    for (const char* p : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm"}) {
        if (tm.isValid()) break;
        tm = QTime::fromString(t, QLatin1String(p));
    }
    return tm;
}

std::optional<bool> TextToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    if (auto n = TextToInt(t)) return *n != 0;
    return std::nullopt;
}

std::optional<int> TextToInt(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace trelvix
