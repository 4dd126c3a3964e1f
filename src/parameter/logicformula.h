#pragma once

#include <QList>
#include <QString>
#include <QVector>
#include <QtGlobal>

class ParameterImage;

// One logical operation of the image's table that is in use (its type word
// is not 0): result number, operation type, the two input signal numbers as
// stored, and the output signals that take its result. The live logic
// screen and the safety report read the table through here.
struct LogicFormula
{
    static constexpr int Count = 400;

    int result = 0; // 1..400
    qint16 type = 0;
    qint16 inputs[2] = {0, 0};
    QList<quint32> outputs;

    // The operations in use, in result order.
    static QVector<LogicFormula> inUse(const ParameterImage& image);

    // "Result = Input1 AND Input2", "Result = NOT Input1", with signal
    // names; an unknown type or signal number shows as stored.
    QString text() const;
};
