#include "logicshots.h"

#include "widgets/properties/logicalop.h"
#include "widgets/properties/logicalopdialog.h"
#include "widgets/properties/logictablemodel.h"
#include "widgets/properties/window.h"

namespace {

struct Formula
{
    int type;
    int input1;
    int input2;
    QList<int> driven;
};

void enterDemo(LogicalOp* editor)
{
    // AND 2, OR 3, XOR 4, NOT 5, Thru 1.
    const Formula formulas[] = {
        {2, 1001, 1002, {60001}}, {3, 1101, 1102, {60501}},
        {5, 1006, 0, {60502}},    {2, 1, 2, {60601, 60602}},
        {4, 1501, 1502, {}},      {1, 2003, 0, {60008}},
        {3, 4, 5, {60503}},       {2, 7, 9, {}},
        {5, 1008, 0, {}},         {2, 1003, 0, {}},
        {3, 2158, 2159, {60504}}, {1, 3003, 0, {60603}},
    };
    LogicTableModel* model = editor->model();
    int result = 0;
    for (const Formula& formula : formulas) {
        ++result;
        model->setData(model->index(result - 1, LogicTableModel::OperationColumn), formula.type);
        model->setData(model->index(result - 1, LogicTableModel::Input1Column), formula.input1);
        model->setData(model->index(result - 1, LogicTableModel::Input2Column), formula.input2);
        for (const int signal : formula.driven)
            model->setDriven(result, signal, true);
    }
}

} // namespace

void chooseLogic(const QStringList& choices)
{
    const Window* window = Window::instance();
    LogicalOp* editor =
        window && window->logicalOpDialog ? window->logicalOpDialog->logicalOp() : nullptr;
    if (!editor)
        return;
    for (const QString& choice : choices) {
        if (choice == QLatin1String("demo"))
            enterDemo(editor);
        else if (choice == QLatin1String("a"))
            editor->apply();
        else if (choice == QLatin1String("u"))
            editor->setInUseFilter(true);
        else if (choice.startsWith(QLatin1Char('r')))
            editor->selectResult(choice.midRef(1).toInt());
    }
}
