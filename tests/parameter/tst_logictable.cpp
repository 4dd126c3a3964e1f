// The logic part of an image as one block: copying and comparing reach the
// last cell of every field (result 400, the last entry of each assignment
// table).

#include "parameter/logictable.h"
#include "parameter/parameterimage.h"

#include <QtTest>

#include <functional>

namespace {

// Every cell an edit of the logic can touch at the ends of its fields.
struct EndCell
{
    const char* what;
    std::function<void(ParameterImage&, qint16)> set;
};

const QVector<EndCell>& endCells()
{
    using namespace LogicTable;
    static const QVector<EndCell> cells = {
        {"type of result 1", [](ParameterImage& i, qint16 v) { setType(i, 1, v); }},
        {"type of result 400", [](ParameterImage& i, qint16 v) { setType(i, 400, v); }},
        {"input 1 of result 400", [](ParameterImage& i, qint16 v) { setInput(i, 400, 1, v); }},
        {"input 2 of result 400", [](ParameterImage& i, qint16 v) { setInput(i, 400, 2, v); }},
        {"first internal input entry",
         [](ParameterImage& i, qint16 v) { setAssignment(i, InternalInput, 0, v); }},
        {"last internal input entry",
         [](ParameterImage& i, qint16 v) {
             setAssignment(i, InternalInput, entryCount(InternalInput) - 1, v);
         }},
        {"last user output entry",
         [](ParameterImage& i, qint16 v) {
             setAssignment(i, UserOutput, entryCount(UserOutput) - 1, v);
         }},
        {"last network output entry",
         [](ParameterImage& i, qint16 v) {
             setAssignment(i, NetworkOutput, entryCount(NetworkOutput) - 1, v);
         }},
    };
    return cells;
}

} // namespace

class TestLogicTable : public QObject
{
    Q_OBJECT

private slots:
    void copyAndCompareReachEveryEndCell()
    {
        for (const EndCell& cell : endCells()) {
            ParameterImage from;
            ParameterImage to;
            cell.set(from, 399);
            QVERIFY2(LogicTable::logicDiffers(from, to), cell.what);
            QVERIFY2(LogicTable::logicDiffers(to, from), cell.what);
            LogicTable::copyLogic(from, to);
            QVERIFY2(to == from, cell.what);
            QVERIFY2(!LogicTable::logicDiffers(from, to), cell.what);
        }
    }
};

QTEST_GUILESS_MAIN(TestLogicTable)
#include "tst_logictable.moc"
