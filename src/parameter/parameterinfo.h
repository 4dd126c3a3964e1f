#pragma once

#include <QString>
#include <QtGlobal>

// One parameter definition from the compiled-in definition list: how the
// parameter text file carries the parameter and which part it belongs to.
struct ParameterInfo
{
    qint32 No = 0;
    qint32 GroupNum = 0;   // groups (rows of the text table)
    qint32 DataNum = 0;    // values per group
    qint32 DataPerRow = 0; // most values on one text line
    qint32 ParamClass = 0; // 0 robot part, 1 user part, 2 signature trailer
    QString Llimit;
    QString Ulimit;
    qint32 DataType = 0; // 0 unsigned, 1 signed, 2 float, 3 text
};
