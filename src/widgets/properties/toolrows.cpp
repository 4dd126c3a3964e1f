#include "widgets/properties/toolrows.h"

#include <QSignalBlocker>
#include <QVariant>

#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/checkbox.h"
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

void showEnabledChecks(SubMenuTable* table, const Parameter* store, const FieldDef& valid)
{
    const QSignalBlocker block(table);
    for (int row = 0; row < table->rowCount(); ++row) {
        table->setEnabledChecked(row, FieldBinding::value(store->editImage(), valid, 0, row) != 0);
        // A ticked box can stand for a value the validator lists (2, or the
        // 1 of a file's 65537): marked and named as an editor would be.
        const bool listed = ValueValidator::isOutside(store->editImage(), valid, 0, row);
        table->setEnabledMark(row, listed,
                              listed ? FieldBinding::findingTip(store, valid, 0, row) : QString());
        if (CheckBox* box = table->enabledBox(row))
            box->setProperty("boundCell", QStringLiteral("%1/0/%2").arg(valid.no).arg(row));
    }
}

void showItemRows(SubMenuTable* table, const Parameter* store,
                  const std::vector<FieldBinding*>& fields, int currentItem)
{
    const QSignalBlocker block(table);
    for (int item = 0; item < table->rowCount(); ++item) {
        quint8 state = 0;
        for (const FieldBinding* field : fields)
            state = FieldBinding::mergeStates(
                state, FieldBinding::cellState(store, field->field(), 0, item));
        table->setRowForeground(item, RowColours::of(state));
    }
    table->setCurrentRow(currentItem, true);
}

} // namespace Property
