#pragma once

#include <QtGlobal>

#include <functional>

class Parameter;
class SubMenuTable;
struct FieldDef;

namespace Property {

// The tool table of the pages that edit items per tool: a tool shows the
// ticked look while any of its items is enabled, and its text takes the
// merged edit state of its items. The table's current row is set quietly.
void showToolRows(SubMenuTable* table, const Parameter* store, const FieldDef& valid,
                  int currentTool, const std::function<quint8(int tool, int item)>& itemState);

} // namespace Property
