#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// One entry of an FTP directory listing.
struct FtpListEntry
{
    QString name;
    qint64 size = -1; // -1 when the listing gives none
    bool isDir = false;
    bool isSymLink = false;
    QDateTime lastModified; // invalid when the listing gives none

    // Parses the reply of LIST in the Unix "ls -l" form; a line of another
    // form becomes an entry with just its text as name.
    // "total" lines, "." and ".." are skipped.
    static QVector<FtpListEntry> parseListing(const QByteArray& listing,
                                              const QDateTime& now = QDateTime::currentDateTime());
};
