#include "parameter/logictable.h"

#include "parameter/logicsignaldef.h"
#include "parameter/parameterimage.h"

#include <cstring>

namespace LogicTable {

namespace {

// A field the layout lacks (a build fault) binds to an empty shape, so
// every access reads 0 and writes nothing.
const FieldDef& fieldOf(int parameterNo)
{
    static const FieldDef none{0, "", ValueType::I16, 0, 0, 0, 0, 0, ParamClass::User};
    const FieldDef* field = ParameterLayout::findByNo(parameterNo);
    return field ? *field : none;
}

const FieldDef& inputField(int which)
{
    static const FieldDef& first = fieldOf(Input1Field);
    static const FieldDef& second = fieldOf(Input2Field);
    return which == 1 ? first : second;
}

const FieldDef& assignmentField(Target target)
{
    static const FieldDef* fields[TargetCount] = {&fieldOf(AssignmentFields[0]),
                                                  &fieldOf(AssignmentFields[1]),
                                                  &fieldOf(AssignmentFields[2])};
    return *fields[target];
}

bool isTarget(Target target)
{
    return target >= 0 && target < TargetCount;
}

bool isResult(int result)
{
    return result >= 1 && result <= ResultCount;
}

template <class Visit> void forEachLogicField(Visit visit)
{
    for (const int no : {TypeField, Input1Field, Input2Field})
        visit(fieldOf(no));
    for (const int no : AssignmentFields)
        visit(fieldOf(no));
}

// Byte span of a whole field inside the image, or false.
bool span(const FieldDef& field, int* offset, int* size)
{
    const int last = ParameterLayout::cellOffset(field, field.rows - 1, field.columns - 1);
    *offset = field.offset;
    *size = last + ParameterLayout::valueSize(field.type) - field.offset;
    return field.rows > 0 && field.columns > 0 && last >= 0 && *offset >= 0 &&
           *offset + *size <= ParameterImage::Size;
}

} // namespace

qint16 type(const ParameterImage& image, int result)
{
    static const FieldDef& field = fieldOf(TypeField);
    return isResult(result) ? image.i16(field, 0, result - 1) : qint16(0);
}

qint16 input(const ParameterImage& image, int result, int which)
{
    if (!isResult(result) || (which != 1 && which != 2))
        return 0;
    return image.i16(inputField(which), 0, result - 1);
}

bool setType(ParameterImage& image, int result, qint16 value)
{
    static const FieldDef& field = fieldOf(TypeField);
    return isResult(result) && image.setI16(field, 0, result - 1, value);
}

bool setInput(ParameterImage& image, int result, int which, qint16 value)
{
    if (!isResult(result) || (which != 1 && which != 2))
        return false;
    return image.setI16(inputField(which), 0, result - 1, value);
}

int entryCount(Target target)
{
    return isTarget(target) ? assignmentField(target).columns : 0;
}

int firstSignal(Target target)
{
    static const int first[TargetCount] = {60001, 60501, 60601};
    return isTarget(target) ? first[target] : 0;
}

qint16 assignment(const ParameterImage& image, Target target, int entry)
{
    return isTarget(target) ? image.i16(assignmentField(target), 0, entry) : qint16(0);
}

bool setAssignment(ParameterImage& image, Target target, int entry, qint16 result)
{
    return isTarget(target) && image.setI16(assignmentField(target), 0, entry, result);
}

bool entryOfSignal(int signal, Target* target, int* entry)
{
    for (int t = 0; t < TargetCount; ++t) {
        const int offset = signal - firstSignal(Target(t));
        if (offset >= 0 && offset < entryCount(Target(t))) {
            *target = Target(t);
            *entry = offset;
            return true;
        }
    }
    return false;
}

bool isInputSignal(int number)
{
    return LogicSignalDef::findInTable(number, LogicSignalDef::inputSignals) != nullptr;
}

void copyLogic(const ParameterImage& from, ParameterImage& to)
{
    forEachLogicField([&](const FieldDef& field) {
        int offset = 0, size = 0;
        if (span(field, &offset, &size))
            std::memcpy(to.data() + offset, from.data() + offset, std::size_t(size));
    });
}

bool logicDiffers(const ParameterImage& a, const ParameterImage& b)
{
    bool differs = false;
    forEachLogicField([&](const FieldDef& field) {
        int offset = 0, size = 0;
        if (!differs && span(field, &offset, &size))
            differs = std::memcmp(a.data() + offset, b.data() + offset, std::size_t(size)) != 0;
    });
    return differs;
}

QString inputText(int number)
{
    const QString name = isInputSignal(number)
                             ? LogicSignalDef::signalText(number, LogicSignalDef::NumberFirst)
                             : QString();
    return name.isEmpty() ? QString::number(number) : name;
}

QString drivenSignalText(int signal)
{
    const QString name = LogicSignalDef::signalText(signal, LogicSignalDef::NameOnly);
    return name.isEmpty() ? QString::number(signal) : name;
}

QString formula(const ParameterImage& image, int result)
{
    // A missing input shows as a question mark.
    const auto inputText = [&](int which) {
        const int number = input(image, result, which);
        return number == 0 ? QStringLiteral("?") : LogicTable::inputText(number);
    };
    const qint16 op = type(image, result);
    if (op == 0)
        return QString();
    const QString first = QStringLiteral("(%1)").arg(inputText(1));
    if (op < 0 || op > MaxOperationType)
        return QStringLiteral("[%1] %2 %3")
            .arg(op)
            .arg(first, QStringLiteral("(%1)").arg(inputText(2)));
    const QString& name = LogicSignalDef::opName(op);
    if (LogicSignalDef::operandCount(quint8(op)) == 1)
        return name + QLatin1Char(' ') + first;
    return QStringLiteral("%1 %2 (%3)").arg(first, name, inputText(2));
}

} // namespace LogicTable
