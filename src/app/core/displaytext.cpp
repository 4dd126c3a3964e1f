#include "app/core/displaytext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

// The marks and embeddings, overrides and isolates that reorder the text
// around them: "QR6<right-to-left override>0070-" reads as "QR6-0700".
bool isBidirectionalControl(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069) || u == 0x200e ||
           u == 0x200f || u == 0x061c;
}

// Control characters (C0 and C1: a terminal may take one for an escape
// sequence), the line and paragraph separators, which readers of one-line
// output may take for a line break, and the bidirectional controls, which
// show a text other than the one held.
bool isUnprintable(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || isBidirectionalControl(c);
}

// Characters, not UTF-16 units: a surrogate pair counts once.
int characterCount(const QString& text)
{
    int count = text.size();
    for (int i = 1; i < text.size(); ++i)
        if (text.at(i).isLowSurrogate() && text.at(i - 1).isHighSurrogate())
            --count;
    return count;
}

// The UTF-16 index count characters after index from.
int indexAfter(const QString& text, int from, int count)
{
    int index = from;
    for (int i = 0; i < count && index < text.size(); ++i)
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                         text.at(index + 1).isLowSurrogate()
                     ? 2
                     : 1;
    return index;
}

int characterOfIndex(const QString& text, int index)
{
    return characterCount(text.left(index));
}

} // namespace

bool DisplayText::needsQuoting(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    return text.toUtf8() != bytes || std::any_of(text.begin(), text.end(), isUnprintable);
}

QString DisplayText::quoted(const QByteArray& bytes)
{
    if (!needsQuoting(bytes))
        return QString::fromUtf8(bytes);
    QString shown = QStringLiteral("$'");
    for (int i = 0; i < bytes.size();) {
        const uchar byte = uchar(bytes.at(i));
        // Whole printable characters stay readable; every other byte is escaped.
        const int length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc0 ? 2 : 1;
        if (length > 1 && i + length <= bytes.size()) {
            const QByteArray character = bytes.mid(i, length);
            const QString decoded = QString::fromUtf8(character);
            if (decoded.toUtf8() == character &&
                std::none_of(decoded.begin(), decoded.end(), isUnprintable)) {
                shown += decoded;
                i += length;
                continue;
            }
        }
        switch (byte) {
        case '\n':
            shown += QLatin1String("\\n");
            break;
        case '\t':
            shown += QLatin1String("\\t");
            break;
        case '\r':
            shown += QLatin1String("\\r");
            break;
        case '\\':
        case '\'':
            shown += QLatin1Char('\\');
            shown += QLatin1Char(char(byte));
            break;
        default:
            if (byte < 0x20 || byte >= 0x7f)
                shown += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
            else
                shown += QLatin1Char(char(byte));
        }
        ++i;
    }
    return shown + QLatin1Char('\'');
}

QString DisplayText::fileName(const QString& name)
{
    return quoted(name.toUtf8());
}

QString DisplayText::shown(const QString& text, int around)
{
    // Counting a long text's characters costs a pass; a text of at most
    // ShownCharacters UTF-16 units is never cut.
    if (text.size() <= ShownCharacters)
        return quoted(text.toUtf8());
    const int length = characterCount(text);
    if (length <= ShownCharacters)
        return quoted(text.toUtf8());
    // The part begins a quarter of its length before the character asked
    // for, so that what leads to it is seen too.
    const int at = characterOfIndex(text, std::clamp(around, 0, text.size()));
    const int first = std::clamp(at - ShownCharacters / 4, 0, length - ShownCharacters);
    const int begin = indexAfter(text, 0, first);
    const int end = indexAfter(text, begin, ShownCharacters);
    const QChar ellipsis(0x2026);
    return (first > 0 ? QString(ellipsis) : QString()) +
           quoted(text.mid(begin, end - begin).toUtf8()) +
           QCoreApplication::translate("DisplayText", "… (%1 characters)")
               .arg(QLocale(QLocale::English).toString(qlonglong(length)));
}

int DisplayText::firstDifference(const QString& a, const QString& b)
{
    const int common = std::min(a.size(), b.size());
    int i = 0;
    while (i < common && a.at(i) == b.at(i))
        ++i;
    // Not inside a surrogate pair.
    return i > 0 && a.size() > i && a.at(i).isLowSurrogate() ? i - 1 : i;
}
