#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

class FieldBinding;
class Parameter;
class SubMenuTable;
struct FieldDef;

namespace Property {

// The tool table of the pages that edit items per tool: a tool shows the
// ticked look while any of its items is enabled, and its text takes the
// merged edit state of its items. The table's current row is set quietly.
void showToolRows(SubMenuTable* table, const Parameter* store, const FieldDef& valid,
                  int currentTool, const std::function<quint8(int tool, int item)>& itemState);

// Ticks each row's Enabled box, quietly, where the enable field's cell
// (0, row) is not 0.
void showEnabledChecks(SubMenuTable* table, const Parameter* store, const FieldDef& valid);

// The rows of an item table whose item n is cell (0, n) of each field:
// each row's text takes the merged edit state of its cells. The table's
// current row is set quietly.
void showItemRows(SubMenuTable* table, const Parameter* store,
                  const std::vector<FieldBinding*>& fields, int currentItem);

} // namespace Property
