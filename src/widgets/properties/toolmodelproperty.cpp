#include "widgets/properties/toolmodelproperty.h"

namespace Property {

ToolModel::ToolModel(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, 22, parent)
{
}

} // namespace Property
