#include "parameter/logicformula.h"

#include "parameter/logicsignaldef.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"

namespace {

qint16 tableValue(const ParameterImage& image, const FieldDef* field, int index)
{
    return field ? image.i16(*field, 0, index) : qint16(0);
}

QString signalName(int number)
{
    const QString name = LogicSignalDef::signalText(number);
    return name.isEmpty() ? LogicSignalDef::invalidNumberText.arg(number) : name;
}

} // namespace

QVector<LogicFormula> LogicFormula::inUse(const ParameterImage& image)
{
    const FieldDef* types = ParameterLayout::findByName(QLatin1String("LogicalOperatDetails"));
    const FieldDef* first = ParameterLayout::findByName(QLatin1String("LogicalOperatInput1"));
    const FieldDef* second = ParameterLayout::findByName(QLatin1String("LogicalOperatInput2"));
    QVector<LogicFormula> formulas;
    for (int n = 0; n < Count; ++n) {
        const qint16 type = tableValue(image, types, n);
        if (type == 0)
            continue;
        LogicFormula formula;
        formula.result = n + 1;
        formula.type = type;
        formula.inputs[0] = tableValue(image, first, n);
        formula.inputs[1] = tableValue(image, second, n);
        formula.outputs = LogicSignalDef::signalsAssignedTo(quint32(n + 1), image);
        formulas << formula;
    }
    return formulas;
}

QString LogicFormula::text() const
{
    const QString left = signalName(result) + QStringLiteral(" = ");
    const QString op = LogicSignalDef::opName(type);
    // A stored word outside the byte range must not pass for a valid type.
    const int operands = type > 0 && type <= 0xff ? LogicSignalDef::operandCount(quint8(type)) : 0;
    switch (operands) {
    case 1:
        return left + op + QLatin1Char(' ') + signalName(inputs[0]);
    case 2:
        return left + signalName(inputs[0]) + QLatin1Char(' ') + op + QLatin1Char(' ') +
               signalName(inputs[1]);
    default:
        // An odd type word: what is stored, without guessing a meaning.
        return left + QStringLiteral("%1 (%2) %3, %4")
                          .arg(op)
                          .arg(type)
                          .arg(signalName(inputs[0]), signalName(inputs[1]));
    }
}
