#pragma once

#include <QByteArray>
#include <QString>
#include <QTextCodec>

#include <string_view>

// The string that UTF-8 bytes from the middle of a parameter file stand for.
// QString::fromUtf8 would drop a leading byte order mark, which inside a file
// is an ordinary character of the cell or name.
inline QString utf8Text(std::string_view bytes)
{
    const int size = int(bytes.size());
    if (size < 3 || static_cast<unsigned char>(bytes.front()) != 0xEF)
        return QString::fromUtf8(bytes.data(), size);
    // A separator follows every such text in the file; it ends a broken
    // sequence there just as it did when the whole file was decoded.
    QByteArray terminated(bytes.data(), size);
    terminated += ',';
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString text =
        QTextCodec::codecForMib(106)->toUnicode(terminated.constData(), size + 1, &state);
    text.chop(1);
    return text;
}
