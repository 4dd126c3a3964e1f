#pragma once

#include <QList>
#include <QObject>
#include <QRegExp>
#include <QString>
#include <QtGlobal>

class ParameterImage;

// One row of a signal range table: a single signal (count 1) or a range of
// signals that share one name. A row with first 0 ends the table.
struct SignalRangeDef
{
    quint16 first;
    quint16 count;
    bool numbered;      // members are told apart by their 1-based position
    const char* prefix; // written before a member's position, null for none
    QString name;       // translated name, filled by LogicSignalDef::initialize
};

// The program-wide dictionary of the safety logic's signal numbers: logical
// operation results, safety inputs and outputs, and the names of the logical
// operation types. Everything is static; an object of this class only serves
// as the translation context.
class LogicSignalDef : public QObject
{
    Q_OBJECT

public:
    enum Style
    {
        NameOnly = 0,
        NumberFirst = 1,
        NumberLast = 2
    };

    explicit LogicSignalDef(QObject* parent = nullptr);

    // Translates the row names, the operation names and the invalid number
    // text with the translator active now. Runs once per process.
    static void initialize();

    static int operandCount(quint8 type);
    static const QString& opName(int type, bool emptyWhenInvalid = false);

    // The row that describes a number: an exact single-signal row, else the
    // last (narrowest) range containing it. index receives the 1-based
    // position in a numbered range, else 0.
    static const SignalRangeDef* findInTable(int number, const SignalRangeDef* table,
                                             int* index = nullptr);
    // Input table first, then internal table.
    static const SignalRangeDef* findSignal(int number, int* index = nullptr);
    // The first row, in either table, that starts at number.
    static const SignalRangeDef* findRow(int number);

    // index 0 or less names the whole row; above 0 one member of a numbered
    // range.
    static QString formatSignal(const SignalRangeDef& row, int style, int index,
                                bool stripTilde = false);
    static QString signalText(int number, int style = NameOnly, bool stripTilde = false);

    // Signals (internal inputs, user outputs, network outputs, in that order)
    // whose assignment entry in the image equals the logical operation result
    // number. maxCount 0 means no limit.
    static QList<quint32> signalsAssignedTo(quint32 result, const ParameterImage& image,
                                            quint32 maxCount = 0);
    // Names of the signals (style 0) joined by separator; at most maxCount
    // of them, all when maxCount is 0.
    static QString joinSignalNames(const QList<quint32>& numbers, const QString& separator,
                                   int maxCount = 0);

    // The master image, whose first robot type name tells whether the robot
    // is a QW115T (one joint less in two disabling ranges). The parameter
    // store registers it; null, the default, means no such robot.
    static void setMasterImage(const ParameterImage* image);
    static const ParameterImage* masterImage() { return s_masterImage; }

    static SignalRangeDef inputSignals[];
    static SignalRangeDef internalSignals[];
    static QString opNames[7];
    static QString invalidNumberText;
    static const QRegExp numberPattern;

private:
    static void refreshOpNames();
    static bool masterIsQW115T();

    static bool s_initialized;
    static const ParameterImage* s_masterImage;
};
