// Speed of the logical operation editor on a full table (all 400 results in
// use, every output assigned): opening it (built, loaded, shown and painted)
// and one cell edit (the table, the findings and the assignment list
// brought up to date and what changed repainted). Runs on the offscreen
// platform.

#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "parameter/parameter.h"
#include "widgets/properties/logicalop.h"
#include "widgets/properties/logictablemodel.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

// Every result used; each reads a fixed input and the result before it.
void fillLogic(ParameterImage& image)
{
    for (int result = 1; result <= LogicTable::ResultCount; ++result) {
        const int type = 1 + result % 5;
        LogicTable::setType(image, result, qint16(type));
        LogicTable::setInput(image, result, 1, qint16(1001 + result % 10));
        const bool twoInputs = LogicSignalDef::operandCount(quint8(type)) == 2;
        LogicTable::setInput(image, result, 2,
                             twoInputs ? qint16(result > 1 ? result - 1 : 1002) : qint16(0));
    }
    for (int t = 0; t < LogicTable::TargetCount; ++t) {
        const auto target = LogicTable::Target(t);
        for (int entry = 0; entry < LogicTable::entryCount(target); ++entry)
            LogicTable::setAssignment(image, target, entry, qint16(1 + (t * 157 + entry) % 400));
    }
}

void BM_OpenEditor(benchmark::State& state)
{
    for (auto _ : state) {
        auto editor = std::make_unique<LogicalOp>(nullptr, Parameter::instance());
        editor->resize(editor->sizeHint());
        editor->show();
        editor->repaint();
        state.PauseTiming();
        editor.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_EditCell(benchmark::State& state)
{
    LogicalOp editor(nullptr, Parameter::instance());
    editor.resize(editor.sizeHint());
    editor.show();
    editor.selectResult(200, LogicTableModel::Input1Column);
    QApplication::processEvents();
    LogicTableModel* model = editor.model();
    const QModelIndex cell = model->index(199, LogicTableModel::Input1Column);
    int round = 0;
    for (auto _ : state) {
        model->setData(cell, ++round % 2 ? 1101 : 1102);
        // The view paints what the edit marked for repainting.
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditCell)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(silence);
    QApplication app(argc, argv);
    LogicSignalDef::initialize();
    Parameter* store = Parameter::instance();
    fillLogic(store->editImage());
    store->setMasterData(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
