#include "widgets/properties/logictablemodel.h"

#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/editstate.h"
#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/rowcolours.h"

#include <QColor>

namespace {

const QColor errorColour(255, 96, 96);
const QColor warningColour(255, 214, 64);
constexpr quint8 UnusedState = 3; // grey text of an unused, unedited row

bool isResult(int value)
{
    return value >= 1 && value <= LogicTable::ResultCount;
}

int parameterOfColumn(int column)
{
    switch (column) {
    case LogicTableModel::OperationColumn:
        return LogicTable::TypeField;
    case LogicTableModel::Input1Column:
        return LogicTable::Input1Field;
    case LogicTableModel::Input2Column:
        return LogicTable::Input2Field;
    default:
        return 0;
    }
}

} // namespace

LogicTableModel::LogicTableModel(Parameter* store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_work(store->appliedImage()),
      m_driven(LogicTable::ResultCount + 1), m_drivesState(LogicTable::ResultCount + 1)
{
    recompute();
}

LogicTableModel::~LogicTableModel() = default;

int LogicTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LogicTable::ResultCount;
}

int LogicTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogicTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case ResultColumn:
        return tr("Result");
    case OperationColumn:
        return tr("Operation");
    case Input1Column:
        return tr("Input 1");
    case Input2Column:
        return tr("Input 2");
    case DrivesColumn:
        return tr("Drives");
    case CheckColumn:
        return tr("Check");
    default:
        return QVariant();
    }
}

Qt::ItemFlags LogicTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (parameterOfColumn(index.column()) != 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant LogicTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= LogicTable::ResultCount)
        return QVariant();
    const int result = index.row() + 1;
    const int column = index.column();
    const qint16 type = LogicTable::type(m_work, result);
    const LogicCheck::Findings& findings = m_check->of(result);

    if (role == Qt::EditRole) {
        if (column == OperationColumn)
            return int(type);
        if (column == Input1Column || column == Input2Column)
            return int(LogicTable::input(m_work, result, column - Input1Column + 1));
        return QVariant();
    }
    if (role == Qt::ToolTipRole && column <= Input2Column) {
        // Why the cell or row is red: a file text the set did not keep or a
        // value outside its limits, which no check of the table tells. The
        // row number's tip names the cell of each.
        QStringList lines;
        if (column != ResultColumn)
            lines << data(index, Qt::DisplayRole).toString();
        for (const int shown : {OperationColumn, Input1Column, Input2Column}) {
            const QString text = finding(parameterOfColumn(shown), result - 1);
            if (text.isEmpty() || (column != ResultColumn && column != shown))
                continue;
            lines << (column == ResultColumn
                          ? headerData(shown, Qt::Horizontal, Qt::DisplayRole).toString() +
                                QStringLiteral(": ") + text
                          : text);
        }
        lines.removeAll(QString());
        return lines.isEmpty() ? QVariant() : lines.join(QLatin1Char('\n'));
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (column) {
        case ResultColumn:
            return result;
        case OperationColumn:
            // An unknown stored type is shown by its number.
            if (type < 0 || type > LogicTable::MaxOperationType)
                return QString::number(type);
            return LogicSignalDef::opName(type, true);
        case Input1Column:
        case Input2Column: {
            const int input = LogicTable::input(m_work, result, column - Input1Column + 1);
            return input == 0 ? QString() : LogicTable::inputText(input);
        }
        case DrivesColumn:
            return drivesText(result, role == Qt::ToolTipRole ? QStringLiteral("\n")
                                                              : QStringLiteral(", "));
        case CheckColumn:
            return (findings.errors + findings.warnings)
                .join(role == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral(" "));
        default:
            return QVariant();
        }
    }
    if (role == Qt::ForegroundRole) {
        if (column == CheckColumn)
            return findings.errors.isEmpty() ? warningColour : errorColour;
        quint8 state = 0;
        if (column == ResultColumn)
            state = rowState(result);
        else if (column == DrivesColumn)
            state = m_drivesState[result];
        else
            state = cellState(parameterOfColumn(column), result);
        if (state == 0 && !isInUse(result))
            state = UnusedState;
        return RowColours::of(state);
    }
    if (role == Qt::TextAlignmentRole && column == ResultColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

bool LogicTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= LogicTable::ResultCount)
        return false;
    const int result = index.row() + 1;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < -32768 || number > 32767)
        return false;
    const int column = index.column();
    if (column == OperationColumn) {
        if (number == LogicTable::type(m_work, result))
            return true;
        if (number == 0)
            return clearOperation(result);
        LogicTable::setType(m_work, result, qint16(number));
    } else if (column == Input1Column || column == Input2Column) {
        const int which = column - Input1Column + 1;
        if (number == LogicTable::input(m_work, result, which))
            return true;
        LogicTable::setInput(m_work, result, which, qint16(number));
    } else {
        return false;
    }
    changed(result);
    return true;
}

bool LogicTableModel::clearOperation(int result)
{
    if (!isResult(result))
        return false;
    const QList<quint32> driven = m_driven[result];
    if (!driven.isEmpty() && (!m_confirmClear || !m_confirmClear(result, driven)))
        return false;
    LogicTable::setType(m_work, result, 0);
    LogicTable::setInput(m_work, result, 1, 0);
    LogicTable::setInput(m_work, result, 2, 0);
    for (const quint32 signal : driven)
        assign(int(signal), 0);
    changed(result);
    return true;
}

void LogicTableModel::reload()
{
    beginResetModel();
    m_work = m_store->appliedImage();
    recompute();
    endResetModel();
}

void LogicTableModel::refreshStates()
{
    recompute();
    emit dataChanged(index(0, 0), index(LogicTable::ResultCount - 1, ColumnCount - 1));
}

bool LogicTableModel::isModified() const
{
    return LogicTable::logicDiffers(m_work, m_store->appliedImage());
}

bool LogicTableModel::isInUse(int result) const
{
    return isResult(result) &&
           (LogicTable::type(m_work, result) != 0 || !m_driven[result].isEmpty() ||
            rowState(result) == EditState::Changed);
}

int LogicTableModel::owner(int signal) const
{
    LogicTable::Target target;
    int entry = 0;
    return LogicTable::entryOfSignal(signal, &target, &entry)
               ? LogicTable::assignment(m_work, target, entry)
               : 0;
}

bool LogicTableModel::setDriven(int result, int signal, bool on)
{
    if (!isResult(result))
        return false;
    const int now = owner(signal);
    if (on == (now == result))
        return true;
    // A signal that another result drives stays with it: each signal has
    // one driver, and taking it away is done on that result's row.
    if (on && isResult(now))
        return false;
    if (!assign(signal, on ? result : 0))
        return false;
    changed(result);
    return true;
}

bool LogicTableModel::assign(int signal, int result)
{
    LogicTable::Target target;
    int entry = 0;
    return LogicTable::entryOfSignal(signal, &target, &entry) &&
           LogicTable::setAssignment(m_work, target, entry, qint16(result));
}

QList<quint32> LogicTableModel::drivenBy(int result) const
{
    return isResult(result) ? m_driven[result] : QList<quint32>();
}

quint8 LogicTableModel::signalState(int signal) const
{
    LogicTable::Target target;
    int entry = 0;
    if (!LogicTable::entryOfSignal(signal, &target, &entry))
        return 0;
    const FieldDef& field = FieldBinding::fieldOf(LogicTable::AssignmentFields[target]);
    if (ValueValidator::isOutside(m_work, field, 0, entry))
        return EditState::OutOfLimits;
    if (FieldBinding::differs(m_work, m_store->appliedImage(), field, 0, entry))
        return 1;
    return FieldBinding::differs(m_store->appliedImage(), m_store->masterImage(), field, 0, entry)
               ? 2
               : 0;
}

void LogicTableModel::recompute()
{
    m_check = std::make_unique<LogicCheck>(m_work);
    for (QList<quint32>& list : m_driven)
        list.clear();
    m_drivesState.fill(0);
    const ParameterImage& applied = m_store->appliedImage();
    const ParameterImage& master = m_store->masterImage();
    auto mark = [this](int result, quint8 state) {
        if (isResult(result))
            m_drivesState[result] = FieldBinding::mergeStates(m_drivesState[result], state);
    };
    for (int t = 0; t < LogicTable::TargetCount; ++t) {
        const auto target = LogicTable::Target(t);
        for (int entry = 0; entry < LogicTable::entryCount(target); ++entry) {
            const int working = LogicTable::assignment(m_work, target, entry);
            const int applying = LogicTable::assignment(applied, target, entry);
            const int written = LogicTable::assignment(master, target, entry);
            if (isResult(working))
                m_driven[working] << quint32(LogicTable::firstSignal(target) + entry);
            // Both the old and the new driver of a changed entry are marked.
            if (working != applying) {
                mark(working, 1);
                mark(applying, 1);
            } else if (applying != written) {
                mark(applying, 2);
                mark(written, 2);
            }
        }
    }
}

void LogicTableModel::changed(int result)
{
    const std::unique_ptr<LogicCheck> before = std::move(m_check);
    const QVector<QList<quint32>> drivenBefore = m_driven;
    const QVector<quint8> stateBefore = m_drivesState;
    recompute();
    // Besides the edited row, the findings and drive colours of other rows
    // can follow (a row that reads this result, the old driver of a
    // signal). Only the rows that changed are announced, cell by cell, so
    // the view repaints those and not the whole table.
    for (int row = 1; row <= LogicTable::ResultCount; ++row) {
        const LogicCheck::Findings& old = before->of(row);
        const LogicCheck::Findings& now = m_check->of(row);
        if (row != result && old.errors == now.errors && old.warnings == now.warnings &&
            drivenBefore[row] == m_driven[row] && stateBefore[row] == m_drivesState[row])
            continue;
        for (int column = 0; column < ColumnCount; ++column)
            emit dataChanged(index(row - 1, column), index(row - 1, column));
    }
    emit edited();
}

quint8 LogicTableModel::cellState(int parameterNo, int result) const
{
    const FieldDef& field = FieldBinding::fieldOf(parameterNo);
    if (ValueValidator::isOutside(m_work, field, 0, result - 1))
        return EditState::OutOfLimits;
    const ParameterImage& applied = m_store->appliedImage();
    if (FieldBinding::differs(m_work, applied, field, 0, result - 1))
        return 1;
    return FieldBinding::differs(applied, m_store->masterImage(), field, 0, result - 1) ? 2 : 0;
}

quint8 LogicTableModel::rowState(int result) const
{
    quint8 state = m_drivesState[result];
    for (const int no : {LogicTable::TypeField, LogicTable::Input1Field, LogicTable::Input2Field})
        state = FieldBinding::mergeStates(state, cellState(no, result));
    return state;
}

QString LogicTableModel::signalFinding(int signal) const
{
    LogicTable::Target target;
    int entry = 0;
    return LogicTable::entryOfSignal(signal, &target, &entry)
               ? finding(LogicTable::AssignmentFields[target], entry)
               : QString();
}

QString LogicTableModel::finding(int parameterNo, int entry) const
{
    return FieldBinding::findingTip(m_work, FieldBinding::fieldOf(parameterNo), 0, entry);
}

QString LogicTableModel::drivesText(int result, const QString& separator) const
{
    QStringList names;
    for (const quint32 signal : m_driven[result])
        names << LogicTable::drivenSignalText(int(signal));
    return names.join(separator);
}
