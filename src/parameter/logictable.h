#pragma once

#include <QString>
#include <QtGlobal>

class ParameterImage;
struct FieldDef;

// The safety logic of a parameter image: the 400 logical operations (type
// and two inputs per result) and the three assignment tables that say which
// result drives each internal safety input, user safety output and network
// safety output. Reading is range-checked: a result or entry outside the
// tables reads 0 and writes nothing. Independent of any widget, so that the
// editor, the monitoring screen and the report share one reading of it.
namespace LogicTable {

constexpr int ResultCount = 400;
constexpr int MaxOperationType = 5; // 1 Thru, 2 AND, 3 OR, 4 XOR, 5 NOT

// The three assignment tables, in the order the unit lists driven signals.
enum Target
{
    InternalInput = 0, // 300 entries, signal 60001 + entry; the first 157 name a signal
    UserOutput = 1,    // 33 entries, 60501 + entry
    NetworkOutput = 2, // 64 entries, 60601 + entry
};
constexpr int TargetCount = 3;
constexpr int NamedInternalInputs = 157;

// Parameter numbers of the table's fields.
constexpr int TypeField = 6101;
constexpr int Input1Field = 6102;
constexpr int Input2Field = 6103;
const int AssignmentFields[TargetCount] = {6201, 6202, 6203};

// result counts from 1; which is 1 or 2.
qint16 type(const ParameterImage& image, int result);
qint16 input(const ParameterImage& image, int result, int which);
bool setType(ParameterImage& image, int result, qint16 value);
bool setInput(ParameterImage& image, int result, int which, qint16 value);

// Entries of an assignment table (0 for an unknown target) and the signal
// number of an entry, counted from 0.
int entryCount(Target target);
int firstSignal(Target target);
qint16 assignment(const ParameterImage& image, Target target, int entry);
bool setAssignment(ParameterImage& image, Target target, int entry, qint16 result);
// The table and entry of a driven signal number; false for any other number.
bool entryOfSignal(int signal, Target* target, int* entry);

// Whether a number is a signal a logical operation may read.
bool isInputSignal(int number);

// Copies the six fields cell by cell, nothing between or around them.
void copyLogic(const ParameterImage& from, ParameterImage& to);
// Whether any cell of the six fields differs (stored bytes, not values).
bool logicDiffers(const ParameterImage& a, const ParameterImage& b);

// An input as the formulas show it: its number and name, or the number
// alone when it names no input signal.
QString inputText(int number);
// A driven signal as the lists show it: its name, or its number where the
// entry names no signal (internal input entries past the named ones).
QString drivenSignalText(int signal);
// The operation of a result as a formula over its inputs, for example
// "(1001 ~TP Emergency Stop) AND (1101 User Safety Input 1)" or
// "NOT (1002 TP Enable)"; empty for an unused result. An unknown type
// shows as its number in brackets, a missing input as "?".
QString formula(const ParameterImage& image, int result);

} // namespace LogicTable
