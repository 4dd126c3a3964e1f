#include "widgets/properties/toolrows.h"

#include <QSignalBlocker>

#include "parameter/parameter.h"
#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/submenutable.h"

namespace Property {

void showToolRows(SubMenuTable* table, const Parameter* store, const FieldDef& valid,
                  int currentTool, const std::function<quint8(int tool, int item)>& itemState)
{
    const QSignalBlocker block(table);
    for (int tool = 0; tool < valid.rows; ++tool) {
        bool anyValid = false;
        quint8 state = 0;
        for (int item = 0; item < valid.columns; ++item) {
            anyValid = anyValid || FieldBinding::value(store->editImage(), valid, tool, item) != 0;
            state = FieldBinding::mergeStates(state, itemState(tool, item));
        }
        table->setRowDisabledLook(tool, anyValid);
        table->setRowForeground(tool, RowColours::of(state));
    }
    table->setCurrentRow(currentTool, true);
}

} // namespace Property
