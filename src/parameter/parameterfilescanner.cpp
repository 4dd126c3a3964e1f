#include "parameterfilescanner.h"
#include "app/core/displaytext.h"
#include "parameter/utf8text.h"

#include <QFile>
#include <QTextCodec>
#include <QTextDecoder>
#include <QtDebug>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::string_view StartMarker = ".OBXDATA";
constexpr std::string_view EndMarker = ".END";
constexpr std::size_t StartPivot = 3; // 'X'
constexpr std::size_t EndPivot = 1;   // 'E'

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What the block and line patterns take for white space: the ASCII blank,
// tab, line feed, vertical tab, form feed and carriage return.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString toString(std::string_view text)
{
    return utf8Text(text);
}

// A text of the file as a message or a log line quotes it: in quotation
// marks where it shows as it is, else escaped and cut as every file text is
// shown, so that a name cannot retitle a terminal or fill it with megabytes.
QString quotedFromFile(std::string_view text)
{
    const QString whole = toString(text);
    const QString shown = DisplayText::shown(whole);
    return shown == whole ? quoted(whole) : shown;
}

void logFunction()
{
    qWarning().noquote() << "func : "
                         << "parseText";
}

// The decimal value of a run of digits as QString::toInt reads it: 0 when
// empty or beyond the range of int.
int numberOf(std::string_view digits)
{
    qint64 value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max())
            return 0;
    }
    return int(value);
}

// Where the marker first stands from there on (npos when nowhere). The
// search stops only at its pivot character, one that values never hold
// ('E' of ".END", 'X' of ".OBXDATA"), not at every '.' of the values.
std::size_t find(std::string_view text, std::string_view marker, std::size_t pivot,
                 std::size_t from)
{
    for (std::size_t at = from + pivot; at < text.size(); ++at) {
        const void* found = std::memchr(text.data() + at, marker[pivot], text.size() - at);
        if (!found)
            break;
        at = std::size_t(static_cast<const char*>(found) - text.data());
        if (at - pivot >= from && text.substr(at - pivot, marker.size()) == marker)
            return at - pivot;
    }
    return std::string_view::npos;
}

// Where the first blank, tab, vertical tab or form feed from there stands
// (the end when there is none).
std::size_t firstBlank(std::string_view text, std::size_t from)
{
    std::size_t first = text.size();
    for (char blank : {' ', '\t', '\v', '\f'}) {
        const void* found = std::memchr(text.data() + from, blank, first - from);
        if (found)
            first = std::size_t(static_cast<const char*>(found) - text.data());
    }
    return first;
}

// Somewhere in the text, ".OBXDATA" followed by ".END" with no blank, tab,
// vertical tab or form feed between them.
bool hasBlockPattern(std::string_view text)
{
    std::size_t from = 0;
    while (true) {
        const std::size_t start = find(text, StartMarker, StartPivot, from);
        if (start == std::string_view::npos)
            return false;
        const std::size_t afterStart = start + StartMarker.size();
        const std::size_t blank = firstBlank(text, afterStart);
        if (find(text.substr(0, blank), EndMarker, EndPivot, afterStart) != std::string_view::npos)
            return true;
        // A later start before that blank ends at the same blank.
        from = blank;
    }
}

// The text as the text stream of the former reader made it: decoded by a
// byte order mark or else as UTF-8, then every carriage return dropped.
// Plain ASCII needs no decoding; anything else is decoded as that stream
// did, so that broken or other-encoded bytes come out alike.
void decodeAsTextStream(QByteArray& bytes)
{
    unsigned char high = 0;
    for (const char c : qAsConst(bytes))
        high |= static_cast<unsigned char>(c);
    if (high < 0x80) {
        char* out = bytes.data();
        const char* from = out;
        const char* const end = from + bytes.size();
        while (const void* found = std::memchr(from, '\r', std::size_t(end - from))) {
            const char* cr = static_cast<const char*>(found);
            std::memmove(out, from, std::size_t(cr - from));
            out += cr - from;
            from = cr + 1;
        }
        std::memmove(out, from, std::size_t(end - from));
        bytes.resize(int(out - bytes.constData() + (end - from)));
        return;
    }
    QTextCodec* codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForMib(106));
    QTextDecoder decoder(codec);
    QString text = decoder.toUnicode(bytes);
    text.remove(QLatin1Char('\r'));
    bytes = text.toUtf8();
}

} // namespace

namespace IO {

// One line as the line pattern "^[0-9]*-[0-9]{2}-[0-9]{2},[\S^,]*,[\S^,]*,"
// takes it apart.
struct ParameterFileScanner::Line
{
    std::string_view number; // digits before the first '-', maybe none
    int group = 0;           // GG
    int part = 0;            // RR, the line within the group
    std::string_view name;
    std::string_view values; // after the name's comma; the last comma ends the last value

    bool parse(std::string_view text)
    {
        std::size_t at = 0;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        number = text.substr(0, at);
        const auto expect = [&](char c) {
            if (at >= text.size() || text[at] != c)
                return false;
            ++at;
            return true;
        };
        const auto twoDigits = [&](int* value) {
            if (at + 2 > text.size() || !isDigit(text[at]) || !isDigit(text[at + 1]))
                return false;
            *value = (text[at] - '0') * 10 + (text[at + 1] - '0');
            at += 2;
            return true;
        };
        if (!expect('-') || !twoDigits(&group) || !expect('-') || !twoDigits(&part) || !expect(','))
            return false;

        // Two more commas before the first white space.
        std::size_t nameEnd = std::string_view::npos;
        int commas = 0;
        for (std::size_t i = at; i < text.size() && !isBlank(text[i]) && commas < 2; ++i) {
            if (text[i] == ',' && ++commas == 1)
                nameEnd = i;
        }
        if (commas < 2)
            return false;
        name = text.substr(at, nameEnd - at);
        values = text.substr(nameEnd + 1);
        return true;
    }
};

bool ParameterFileScanner::readText(const QString& path, QByteArray* text, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    // Parameter files are about 100 KB; a huge one is refused unread.
    const QString tooLarge = QStringLiteral("File too large");
    if (!file.isSequential() && file.size() > MaxFileSize) {
        *error = tooLarge;
        return false;
    }
    QByteArray bytes = file.isSequential() ? file.read(MaxFileSize + 1) : file.readAll();
    if (bytes.size() > MaxFileSize) {
        *error = tooLarge;
        return false;
    }
    decodeAsTextStream(bytes);
    *text = bytes;
    return true;
}

bool ParameterFileScanner::findBlock(std::string_view text, std::string_view* block)
{
    if (!hasBlockPattern(text))
        return false;
    const std::size_t start = find(text, ".OBXDATA\n", StartPivot, 0);
    if (start == std::string_view::npos)
        return false;
    const std::size_t begin = start + StartMarker.size() + 1;
    const std::size_t end = find(text, EndMarker, EndPivot, begin);
    if (end == std::string_view::npos)
        return false;
    *block = text.substr(begin, end - begin);
    return true;
}

ParameterFileScanner::ParameterFileScanner(const ParameterNameIndex& index)
    : m_index(index), m_counts(index.size(), -1)
{
}

bool ParameterFileScanner::scanBlock(std::string_view block, CellSink& sink)
{
    bool refused = false;
    std::size_t from = 0;
    // Every stretch that a line feed ends is a line; what follows the last one
    // is the start of the ".END" line.
    m_line = 0;
    for (std::size_t end = block.find('\n'); end != std::string_view::npos;
         from = end + 1, end = block.find('\n', from), ++m_line) {
        Line line;
        if (!line.parse(block.substr(from, end - from))) {
            qWarning().noquote() << "[Parser] format err incorrect data";
            logFunction();
            refuse(QStringLiteral("not a parameter line"));
            return true; // the rest of the block is not read
        }
        refused |= !scanLine(line, sink);
    }
    return refused;
}

void ParameterFileScanner::refuse(const QString& problem)
{
    if (!m_problem.isEmpty())
        return;
    m_problem = problem;
    m_problemLine = m_line;
}

bool ParameterFileScanner::scanLine(const Line& line, CellSink& sink)
{
    // The lines of a parameter mostly follow one another.
    if (m_lastEntry < 0 || line.name != m_lastName) {
        m_lastEntry = m_index.find(line.name.data(), int(line.name.size()));
        m_lastName = line.name;
    }
    const int entry = m_lastEntry;
    if (entry < 0) {
        const QString name = quotedFromFile(line.name);
        qWarning().noquote() << "[Parser] format err unknown parameter:" << name;
        logFunction();
        refuse(QStringLiteral("unknown parameter ") + name);
        return false;
    }
    const ParameterInfo& info = m_index.entry(entry).info;
    const int number = numberOf(line.number);
    if (number != info.No) {
        qWarning().noquote() << "[Parser] format err incorrect parameter No:" << number;
        logFunction();
        refuse(QStringLiteral("%1 has the number %2, not %3")
                   .arg(m_index.entry(entry).name, DisplayText::shown(toString(line.number)))
                   .arg(info.No));
        return false;
    }
    const auto valueCount = std::count(line.values.begin(), line.values.end(), ',');
    if (valueCount > info.DataPerRow) {
        qWarning().noquote() << "[Parser] format err exceeded maximum per line";
        qWarning().noquote() << "param Name : " << quoted(m_index.entry(entry).name);
        logFunction();
        refuse(QStringLiteral("more than %1 values of %2 on one line")
                   .arg(info.DataPerRow)
                   .arg(m_index.entry(entry).name));
        return false;
    }

    // 00 and 01 both address the first group and the first line.
    const int row = qMax(line.group, 1) - 1;
    const qint64 firstCell = qint64(qMax(line.part, 1) - 1) * info.DataPerRow;
    int& count = m_counts[entry];
    count = qMax(count, 0);
    bool stored = true;
    const char* value = line.values.data();
    for (qint64 j = 0; j < valueCount; ++j) {
        const char* comma = value;
        while (*comma != ',') // valueCount commas are there
            ++comma;
        if (sink.store(entry, row, firstCell + j,
                       std::string_view(value, std::size_t(comma - value)))) {
            ++count;
        } else {
            qWarning().noquote() << "[Parser] format err incorrect index of data";
            logFunction();
            refuse(QStringLiteral("a value of %1 beyond its groups and values")
                       .arg(m_index.entry(entry).name));
            stored = false;
        }
        value = comma + 1;
    }
    return stored;
}

QMap<QString, int> ParameterFileScanner::valueCounts() const
{
    QMap<QString, int> counts;
    for (int i = 0; i < m_counts.size(); ++i)
        if (m_counts.at(i) >= 0)
            counts.insert(m_index.entry(i).name, m_counts.at(i));
    return counts;
}

} // namespace IO
