#pragma once

#include <QByteArray>
#include <QString>

// Texts that come from a file or a command line, as every list, tool tip,
// report and output line shows them: a text may hold a terminal's escape
// sequences, a NUL or megabytes of one value.
class DisplayText
{
public:
    // Characters of a text shown before it is cut.
    static const int ShownCharacters = 40;

    // The bytes as one line, escaped as the shell's $'...' where they hold
    // control characters, line or paragraph separators, bidirectional
    // controls, or bytes that are not UTF-8; as they are otherwise.
    static QString quoted(const QByteArray& bytes);
    static bool needsQuoting(const QByteArray& bytes);
    // A file name or path as one line, quoted as above and never cut: the
    // whole name tells one file from another.
    static QString fileName(const QString& name);

    // The text quoted as above; one longer than ShownCharacters is cut to
    // that many characters around the character at index around, with its
    // whole length named: "abc… (10,000,000 characters)".
    static QString shown(const QString& text, int around = 0);
    // Index of the first character in which the two texts differ; the
    // shorter one's length when one begins the other.
    static int firstDifference(const QString& a, const QString& b);
};
