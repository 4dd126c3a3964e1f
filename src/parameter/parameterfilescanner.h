#pragma once

#include "parameter/parameternameindex.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

#include <string_view>

namespace IO {

// Reads the parameter lines of a parameter text file in one pass over its
// bytes: no list of lines or fields, no pattern per line. What it accepts,
// refuses and logs is what the text-based reading always did; the values of
// accepted lines go to a sink, which decides where (and whether) they fit.
class ParameterFileScanner
{
public:
    class CellSink
    {
    public:
        virtual ~CellSink() = default;
        // Stores the UTF-8 text of value cell of group row of the definition
        // entry; false when the cell lies outside the parameter's shape.
        virtual bool store(int entry, int row, qint64 cell, std::string_view text) = 0;
    };

    // Files larger than this are refused before they are read.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // The file's text as the reader sees it: carriage returns dropped, UTF-8
    // (a byte order mark of another Unicode encoding is honoured). False,
    // with the reason in error, when the file cannot be read or is too large.
    static bool readText(const QString& path, QByteArray* text, QString* error);

    // Finds the parameter block: a ".OBXDATA" line, then lines up to the
    // first ".END". False when the text has no such block.
    static bool findBlock(std::string_view text, std::string_view* block);

    explicit ParameterFileScanner(const ParameterNameIndex& index);

    // Reads every line of the block; true when a line or value was refused.
    bool scanBlock(std::string_view block, CellSink& sink);

    // Why scanBlock refused its first line or value, and that line's index
    // in the block (from 0); empty when nothing was refused.
    QString problem() const { return m_problem; }
    int problemLine() const { return m_problemLine; }

    // Values stored for the definition entry (0 when no line named it).
    int valueCount(int entry) const { return qMax(m_counts.at(entry), 0); }
    // Values stored per parameter name, with an entry for every parameter a
    // read line named.
    QMap<QString, int> valueCounts() const;

private:
    struct Line;
    bool scanLine(const Line& line, CellSink& sink);
    void refuse(const QString& problem);

    const ParameterNameIndex& m_index;
    QVector<int> m_counts;       // per definition entry, -1 while no line named it
    std::string_view m_lastName; // the name of the line before and its entry
    int m_lastEntry = -1;
    int m_line = 0; // index in the block of the line being read
    QString m_problem;
    int m_problemLine = -1;
};

} // namespace IO
