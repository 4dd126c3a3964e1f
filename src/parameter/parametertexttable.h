#pragma once

#include <QMap>
#include <QString>
#include <QVector>

// A parameter set in the form of the parameter text file: parameter name
// (case-sensitive) to rows of text cells. Row r is the parameter's group r,
// cell c its value c within the group. IO::Parser::makeTable shapes it from
// the definitions; the parser and the codec only touch cells of that shape.
using ParameterTextTable = QMap<QString, QVector<QVector<QString>>>;
