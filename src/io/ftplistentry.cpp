#include "io/ftplistentry.h"

#include <QRegularExpression>

namespace {
int monthNumber(const QString& name)
{
    static const char* const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    for (int i = 0; i < 12; ++i)
        if (name.compare(QLatin1String(months[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

// "Jan 31 12:34" (within the last year) or "Jan 31  2023".
QDateTime unixTime(const QString& month, const QString& day, const QString& yearOrTime,
                   const QDateTime& now)
{
    const int m = monthNumber(month);
    if (m == 0)
        return {};
    if (yearOrTime.contains(QLatin1Char(':'))) {
        const QTime time = QTime::fromString(yearOrTime, QStringLiteral("H:mm"));
        QDate date(now.date().year(), m, day.toInt());
        // Without a year the entry is from the past twelve months.
        if (date.isValid() && date > now.date().addDays(1))
            date = date.addYears(-1);
        return QDateTime(date, time);
    }
    return QDateTime(QDate(yearOrTime.toInt(), m, day.toInt()), QTime(0, 0));
}

bool parseUnixLine(const QString& line, const QDateTime& now, FtpListEntry* entry)
{
    static const QRegularExpression unixLine(
        QStringLiteral("^([-dlbcps])[-rwxsStTl+.]{9}\\S*\\s+\\d+\\s+\\S+\\s+(?:\\S+\\s+)?(\\d+)\\s+"
                       "([A-Za-z]{3})\\s+(\\d{1,2})\\s+(\\d{1,2}:\\d{2}|\\d{4})\\s(.+)$"));
    const QRegularExpressionMatch match = unixLine.match(line);
    if (!match.hasMatch())
        return false;
    const QChar type = match.captured(1).at(0);
    entry->isDir = type == QLatin1Char('d');
    entry->isSymLink = type == QLatin1Char('l');
    entry->size = match.captured(2).toLongLong();
    entry->lastModified = unixTime(match.captured(3), match.captured(4), match.captured(5), now);
    entry->name = match.captured(6);
    if (entry->isSymLink) {
        const int arrow = entry->name.indexOf(QLatin1String(" -> "));
        if (arrow > 0)
            entry->name.truncate(arrow);
    }
    return true;
}
} // namespace

QVector<FtpListEntry> FtpListEntry::parseListing(const QByteArray& listing, const QDateTime& now)
{
    QVector<FtpListEntry> entries;
    for (const QByteArray& raw : listing.split('\n')) {
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1String("total ")))
            continue;
        FtpListEntry entry;
        if (!parseUnixLine(line, now, &entry))
            entry.name = line.trimmed();
        if (entry.name == QLatin1String(".") || entry.name == QLatin1String(".."))
            continue;
        entries << entry;
    }
    return entries;
}
