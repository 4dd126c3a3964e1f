#include "parameter/logiccheck.h"

#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "parameter/parameterimage.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>

namespace {

QString tr(const char* key)
{
    return QCoreApplication::translate("LogicCheck", key);
}

bool isKnownType(int type)
{
    return type >= 1 && type <= LogicTable::MaxOperationType;
}

// The results a used operation reads, without itself.
QVector<int> resultsRead(const ParameterImage& image, int result)
{
    QVector<int> read;
    const qint16 type = LogicTable::type(image, result);
    if (!isKnownType(type))
        return read;
    for (int which = 1; which <= LogicSignalDef::operandCount(quint8(type)); ++which) {
        const int input = LogicTable::input(image, result, which);
        if (input >= 1 && input <= LogicTable::ResultCount && input != result &&
            isKnownType(LogicTable::type(image, input)))
            read << input;
    }
    return read;
}

} // namespace

LogicCheck::LogicCheck(const ParameterImage& image) : m_rows(LogicTable::ResultCount)
{
    for (int result = 1; result <= LogicTable::ResultCount; ++result)
        checkInputs(image, result);
    checkCycles(image);
    checkUnnamedEntries(image);
    checkDrivers(image);
    for (const Findings& row : m_rows)
        m_errorCount += row.errors.size();
}

const LogicCheck::Findings& LogicCheck::of(int result) const
{
    static const Findings none;
    return result >= 1 && result <= m_rows.size() ? m_rows[result - 1] : none;
}

int LogicCheck::firstError() const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].errors.isEmpty())
            return i + 1;
    return 0;
}

void LogicCheck::checkInputs(const ParameterImage& image, int result)
{
    Findings& row = m_rows[result - 1];
    const qint16 type = LogicTable::type(image, result);
    if (type == 0)
        return;
    if (!isKnownType(type)) {
        row.warnings << tr("Operation type %1 is unknown; it is kept as stored.").arg(type);
        return;
    }
    const int inputs = LogicSignalDef::operandCount(quint8(type));
    for (int which = 1; which <= 2; ++which) {
        const int input = LogicTable::input(image, result, which);
        if (which > inputs) {
            if (input != 0)
                row.errors << tr("%1 takes one input; input 2 must be empty.")
                                  .arg(LogicSignalDef::opName(type));
        } else if (input == 0) {
            row.errors << tr("Input %1 is missing.").arg(which);
        } else if (!LogicTable::isInputSignal(input)) {
            row.errors << tr("Input %1: %2 is no input signal.").arg(which).arg(input);
        } else if (input <= LogicTable::ResultCount) {
            if (input == result)
                row.errors << tr("Input %1 reads this operation's own result.").arg(which);
            else if (LogicTable::type(image, input) == 0)
                row.errors << tr("Input %1 reads result %2, whose operation is unused.")
                                  .arg(which)
                                  .arg(input);
            else if (input > result)
                row.warnings << tr("Input %1 reads the later result %2.").arg(which).arg(input);
        }
    }
}

// Results that read each other in a loop: the strongly connected groups of
// more than one result (a result reading itself is an error of its own).
void LogicCheck::checkCycles(const ParameterImage& image)
{
    const int count = LogicTable::ResultCount;
    QVector<QVector<int>> reads(count + 1);
    for (int result = 1; result <= count; ++result)
        reads[result] = resultsRead(image, result);

    QVector<int> index(count + 1, -1), low(count + 1, 0);
    QVector<bool> onStack(count + 1, false);
    QVector<int> stack;
    int next = 0;
    std::function<void(int)> visit = [&](int v) {
        index[v] = low[v] = next++;
        stack << v;
        onStack[v] = true;
        for (const int w : reads[v]) {
            if (index[w] < 0) {
                visit(w);
                low[v] = std::min(low[v], low[w]);
            } else if (onStack[w]) {
                low[v] = std::min(low[v], index[w]);
            }
        }
        if (low[v] != index[v])
            return;
        QVector<int> group;
        int w = 0;
        do {
            w = stack.takeLast();
            onStack[w] = false;
            group << w;
        } while (w != v);
        if (group.size() < 2)
            return;
        std::sort(group.begin(), group.end());
        QStringList numbers;
        for (const int member : group)
            numbers << QString::number(member);
        const QString text =
            tr("Takes part in a cycle of the results %1.").arg(numbers.join(QStringLiteral(", ")));
        for (const int member : group)
            m_rows[member - 1].warnings << text;
    };
    for (int result = 1; result <= count; ++result)
        if (index[result] < 0)
            visit(result);
}

void LogicCheck::checkUnnamedEntries(const ParameterImage& image)
{
    const auto target = LogicTable::InternalInput;
    for (int entry = LogicTable::NamedInternalInputs; entry < LogicTable::entryCount(target);
         ++entry) {
        const int value = LogicTable::assignment(image, target, entry);
        if (value == 0)
            continue;
        if (value >= 1 && value <= LogicTable::ResultCount)
            m_rows[value - 1].warnings
                << tr("Drives internal safety input entry %1, which names no signal.")
                       .arg(entry + 1);
        else
            m_general << tr("Internal safety input entry %1 holds %2 but names no signal.")
                             .arg(entry + 1)
                             .arg(value);
    }
}

// The unit would switch a signal by a result that computes nothing. Clearing
// an operation in the editor takes its signals off it, so only a table made
// elsewhere holds this.
void LogicCheck::checkDrivers(const ParameterImage& image)
{
    for (int t = 0; t < LogicTable::TargetCount; ++t) {
        const auto target = LogicTable::Target(t);
        for (int entry = 0; entry < LogicTable::entryCount(target); ++entry) {
            const int driver = LogicTable::assignment(image, target, entry);
            if (driver < 1 || driver > LogicTable::ResultCount ||
                LogicTable::type(image, driver) != 0)
                continue;
            const int signal = LogicTable::firstSignal(target) + entry;
            const QString name = LogicSignalDef::signalText(signal, LogicSignalDef::NumberFirst);
            m_rows[driver - 1].errors << tr("Drives %1, but the operation is unused.")
                                             .arg(name.isEmpty() ? QString::number(signal) : name);
            m_signals.insert(signal,
                             tr("Driven by result %1, whose operation is unused.").arg(driver));
        }
    }
}
