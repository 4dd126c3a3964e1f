#include "widgets/properties/settingsaddressfile.h"

#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray key = QByteArrayLiteral("MirelIPAddress");
// The part of an address line that is replaced; anything beyond it stays.
constexpr int replacedLength = 100;

} // namespace

QByteArray SettingsAddressFile::rewritten(const QByteArray& text, const QString& address)
{
    QByteArray out;
    out.reserve(text.size() + 32);
    int begin = 0;
    while (begin < text.size()) {
        int end = text.indexOf('\n', begin);
        end = end < 0 ? text.size() : end + 1;
        const QByteArray line = text.mid(begin, end - begin);
        begin = end;
        if (!line.startsWith(key)) {
            out += line;
            continue;
        }
        int contentEnd = line.size();
        while (contentEnd > 0 && (line[contentEnd - 1] == '\n' || line[contentEnd - 1] == '\r'))
            --contentEnd;
        const QString content = QString::fromUtf8(line.left(contentEnd));
        out += (QString::fromLatin1(key) + QLatin1Char('=') + address + content.mid(replacedLength))
                   .toUtf8();
        out += line.mid(contentEnd);
    }
    return out;
}

SettingsAddressFile::Result SettingsAddressFile::rewrite(const QString& path,
                                                         const QString& address)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return SourceUnreadable;
    const QByteArray text = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return SourceUnreadable;
    source.close();

    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return WriteFailed;
    const QByteArray out = rewritten(text, address);
    if (target.write(out) != out.size()) {
        target.cancelWriting();
        return WriteFailed;
    }
    return target.commit() ? Written : WriteFailed;
}
