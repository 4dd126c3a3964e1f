#pragma once

#include <QHash>
#include <QStringList>
#include <QVector>

class ParameterImage;

// The checks of a logic table, one list of findings per result. Errors are
// faults the unit must not receive (a missing or surplus input, an input
// that is no input signal, reads an unused result or its own result, a
// signal driven by an unused result); they block Apply. Warnings point at
// what may be meant but deserves a look: a result read before it is
// computed, a cycle between results, an internal input entry past the named
// ones that holds a result, a stored operation type the program does not
// know. The texts are translated here, so that any caller shows the same
// words.
class LogicCheck
{
public:
    struct Findings
    {
        QStringList errors;
        QStringList warnings;
    };

    explicit LogicCheck(const ParameterImage& image);

    // result counts from 1; an empty set of findings outside 1..400.
    const Findings& of(int result) const;
    // Warnings that belong to no result.
    const QStringList& general() const { return m_general; }
    // Why a driven signal's assignment is wrong, or empty.
    QString ofSignal(int signal) const { return m_signals.value(signal); }
    int errorCount() const { return m_errorCount; }
    // The first result with an error, or 0.
    int firstError() const;

private:
    void checkInputs(const ParameterImage& image, int result);
    void checkCycles(const ParameterImage& image);
    void checkUnnamedEntries(const ParameterImage& image);
    void checkDrivers(const ParameterImage& image);

    QVector<Findings> m_rows;
    QStringList m_general;
    QHash<int, QString> m_signals;
    int m_errorCount = 0;
};
