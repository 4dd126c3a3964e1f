#include "logicsignaldef.h"

#include "app/core/constants.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"

#include <QCoreApplication>

#include <limits>

// Wide group rows come before the single signals and narrower ranges inside
// them: the lookup lets a later containing row win.
SignalRangeDef LogicSignalDef::inputSignals[] = {
    {1, 400, true, nullptr, {}},    // logical operation results
    {1001, 10, false, nullptr, {}}, // fixed safety inputs
    {1001, 1, false, nullptr, {}},   {1002, 1, false, nullptr, {}}, {1003, 1, false, nullptr, {}},
    {1004, 1, false, nullptr, {}},   {1005, 1, false, nullptr, {}}, {1006, 1, false, nullptr, {}},
    {1007, 1, false, nullptr, {}},   {1008, 1, false, nullptr, {}}, {1009, 1, false, nullptr, {}},
    {1010, 1, false, nullptr, {}},   {1101, 32, true, nullptr, {}}, // user safety inputs
    {1501, 64, true, nullptr, {}},                                  // network safety inputs
    {2001, 162, false, nullptr, {}},                                // internal safety outputs
    {2001, 1, false, nullptr, {}},   {2002, 1, false, nullptr, {}}, {2003, 16, true, nullptr, {}},
    {2019, 1, false, nullptr, {}},   {2020, 18, true, nullptr, {}}, {2038, 1, false, nullptr, {}},
    {2039, 1, false, nullptr, {}},   {2040, 18, true, nullptr, {}}, {2058, 8, true, nullptr, {}},
    {2066, 18, true, nullptr, {}},   {2084, 18, true, nullptr, {}}, {2102, 1, false, nullptr, {}},
    {2103, 18, true, nullptr, {}},   {2121, 18, true, nullptr, {}}, {2139, 1, false, nullptr, {}},
    {2140, 18, true, nullptr, {}},   {2158, 1, false, nullptr, {}}, {2159, 1, false, nullptr, {}},
    {2160, 1, false, nullptr, {}},   {2161, 1, false, nullptr, {}}, {2162, 1, false, nullptr, {}},
    {3001, 3, false, nullptr, {}}, // fixed safety outputs
    {3001, 1, false, nullptr, {}},   {3002, 1, false, nullptr, {}}, {3003, 1, false, nullptr, {}},
    {0, 0, false, nullptr, {}},
};

SignalRangeDef LogicSignalDef::internalSignals[] = {
    {60001, 157, false, nullptr, {}}, // internal safety inputs
    {60001, 1, false, nullptr, {}},
    {60002, 1, false, nullptr, {}},
    {60003, 5, true, "2-", {}}, // tool ID bits
    {60008, 16, true, nullptr, {}},
    {60024, 18, true, nullptr, {}},
    {60042, 18, true, nullptr, {}},
    {60060, 8, true, nullptr, {}},
    {60068, 18, true, nullptr, {}},
    {60086, 1, false, nullptr, {}},
    {60087, 18, true, nullptr, {}},
    {60105, 1, false, nullptr, {}},
    {60106, 18, true, nullptr, {}},
    {60124, 1, false, nullptr, {}},
    {60125, 1, false, nullptr, {}},
    {60126, 32, true, nullptr, {}},
    {60501, 32, true, nullptr, {}}, // user safety outputs
    // The 33rd user output has a name of its own and is no member of the
    // range above.
    {60533, 1, true, nullptr, {}},
    {60601, 64, true, nullptr, {}}, // network safety outputs
    {0, 0, false, nullptr, {}},
};

QString LogicSignalDef::opNames[7];
QString LogicSignalDef::invalidNumberText;
const QRegExp LogicSignalDef::numberPattern(QStringLiteral("[0-9]*"), Qt::CaseSensitive,
                                            QRegExp::RegExp);
bool LogicSignalDef::s_initialized = false;
const ParameterImage* LogicSignalDef::s_masterImage = nullptr;

namespace {

// The two disabling ranges that count one joint less on the QW115T.
constexpr quint16 selectiveJointDisablingFirst = 60024;
constexpr quint16 userSpeedDisablingFirst = 60042;

constexpr quint32 internalInputFirst = 60001;
constexpr quint32 userOutputFirst = 60501;
constexpr quint32 networkOutputFirst = 60601;

quint32 lastOf(const SignalRangeDef& row)
{
    return quint32(row.first) + row.count - 1;
}

QString translationKey(const SignalRangeDef& row)
{
    if (row.count == 1)
        return QStringLiteral("Signal%1").arg(row.first);
    return QStringLiteral("Signal%1-%2").arg(row.first).arg(lastOf(row));
}

void translateTable(SignalRangeDef* table)
{
    for (SignalRangeDef* row = table; row->first != 0; ++row) {
        const QByteArray key = translationKey(*row).toLatin1();
        row->name = QCoreApplication::translate("LogicSignalDef", key.constData());
    }
}

const SignalRangeDef* findFirstEqual(int number, const SignalRangeDef* table)
{
    for (const SignalRangeDef* row = table; row->count != 0; ++row) {
        if (row->first == number)
            return row;
    }
    return nullptr;
}

} // namespace

LogicSignalDef::LogicSignalDef(QObject* parent) : QObject(parent)
{
    refreshOpNames();
}

void LogicSignalDef::refreshOpNames()
{
    opNames[0] = tr("OpInvalid");
    opNames[1] = tr("OpThru");
    opNames[2] = tr("OpAnd");
    opNames[3] = tr("OpOr");
    opNames[4] = tr("OpXor");
    opNames[5] = tr("OpNot");
    opNames[6] = QString();
}

void LogicSignalDef::initialize()
{
    if (s_initialized)
        return;
    invalidNumberText = QObject::tr("%1: Invalid signal number.");
    refreshOpNames();
    translateTable(inputSignals);
    translateTable(internalSignals);
    s_initialized = true;
}

int LogicSignalDef::operandCount(quint8 type)
{
    switch (type) {
    case 1:
    case 5:
        return 1;
    case 2:
    case 3:
    case 4:
        return 2;
    default:
        return 0;
    }
}

const QString& LogicSignalDef::opName(int type, bool emptyWhenInvalid)
{
    initialize();
    if (type >= 1 && type <= 5)
        return opNames[type];
    return opNames[emptyWhenInvalid ? 6 : 0];
}

const SignalRangeDef* LogicSignalDef::findInTable(int number, const SignalRangeDef* table,
                                                  int* index)
{
    const SignalRangeDef* candidate = nullptr;
    for (const SignalRangeDef* row = table; row && row->first != 0; ++row) {
        if (row->count == 1 && row->first == number) {
            if (index)
                *index = 0;
            return row;
        }
        if (row->count >= 2 && number >= row->first && quint32(number) <= lastOf(*row))
            candidate = row;
    }
    if (index)
        *index = candidate && candidate->numbered ? number - candidate->first + 1 : 0;
    return candidate;
}

const SignalRangeDef* LogicSignalDef::findSignal(int number, int* index)
{
    const SignalRangeDef* row = findInTable(number, inputSignals, index);
    return row ? row : findInTable(number, internalSignals, index);
}

const SignalRangeDef* LogicSignalDef::findRow(int number)
{
    const SignalRangeDef* row = findFirstEqual(number, inputSignals);
    return row ? row : findFirstEqual(number, internalSignals);
}

QString LogicSignalDef::formatSignal(const SignalRangeDef& row, int style, int index,
                                     bool stripTilde)
{
    QString name = row.name;
    if (stripTilde && name.startsWith(QLatin1Char('~')))
        name.remove(0, 1);
    const QString first = QString::number(row.first);
    const QString last = QString::number(lastOf(row));
    const bool withNumbers = style == NumberFirst || style == NumberLast;

    if (row.count == 0)
        return QString();
    if (row.count == 1) {
        if (style == NumberFirst)
            return QStringLiteral("%1 %2").arg(first, name);
        if (style == NumberLast)
            return QStringLiteral("%1 (%2)").arg(name, first);
        return name;
    }
    const QString range = QStringLiteral(" (%1-%2)").arg(first, last);
    if (!row.numbered)
        return withNumbers ? name + range : name;

    const QString prefix = QString::fromLatin1(row.prefix);
    if (index > 0) {
        const QString member = QStringLiteral(" %1%2").arg(prefix, QString::number(index));
        if (style == NumberFirst)
            return QStringLiteral("%1 ").arg(row.first + index - 1) + name + member;
        return name + member;
    }
    QString text = name;
    if (row.prefix) {
        text += QStringLiteral(" %1%2 - %3%4")
                    .arg(prefix, QStringLiteral("1"), prefix, QString::number(row.count));
    } else {
        int members = row.count;
        if ((row.first == selectiveJointDisablingFirst || row.first == userSpeedDisablingFirst) &&
            masterIsQW115T())
            --members;
        text += QStringLiteral(" 1-%1").arg(members);
    }
    return withNumbers ? text + range : text;
}

QString LogicSignalDef::signalText(int number, int style, bool stripTilde)
{
    int index = 0;
    const SignalRangeDef* row = findSignal(number, &index);
    return row ? formatSignal(*row, style, index, stripTilde) : QString();
}

QList<quint32> LogicSignalDef::signalsAssignedTo(quint32 result, const ParameterImage& image,
                                                 quint32 maxCount)
{
    struct Assignment
    {
        int parameterNo;
        quint32 firstSignal;
    };
    static const Assignment assignments[] = {
        {6201, internalInputFirst}, // SignalAssigInternalIn
        {6202, userOutputFirst},    // SignalAssigUserOut
        {6203, networkOutputFirst}, // SignalAssigNetworkOut
    };

    QList<quint32> signalNumbers;
    for (const Assignment& assignment : assignments) {
        const FieldDef* field = ParameterLayout::findByNo(assignment.parameterNo);
        if (!field)
            continue;
        for (int position = 0; position < field->columns; ++position) {
            if (maxCount != 0 && quint32(signalNumbers.size()) >= maxCount)
                return signalNumbers;
            // A negative entry is no result number and must not match a
            // large unsigned one after widening.
            const qint16 value = image.i16(*field, 0, position);
            if (value >= 0 && quint32(value) == result)
                signalNumbers.append(assignment.firstSignal + quint32(position));
        }
    }
    return signalNumbers;
}

QString LogicSignalDef::joinSignalNames(const QList<quint32>& numbers, const QString& separator,
                                        int maxCount)
{
    // Never more names than the list holds, whatever the caller's limit.
    const int count = maxCount > 0 ? qMin(maxCount, numbers.size()) : numbers.size();
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += separator;
        const quint32 number = numbers.at(i);
        // Numbers beyond int's range name no signal.
        if (number <= quint32(std::numeric_limits<int>::max()))
            text += signalText(int(number), NameOnly, false);
    }
    return text;
}

void LogicSignalDef::setMasterImage(const ParameterImage* image)
{
    s_masterImage = image;
}

bool LogicSignalDef::masterIsQW115T()
{
    if (!s_masterImage)
        return false;
    static const FieldDef* robotTypeName = ParameterLayout::findByNo(101);
    if (!robotTypeName)
        return false;
    return s_masterImage->text(*robotTypeName, 0, 0)
        .contains(Constants::robotModelQW115T, Qt::CaseSensitive);
}
