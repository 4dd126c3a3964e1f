#include "widgets/properties/toolmodelproperty.h"

namespace Property {

ToolModel::ToolModel(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 22, parent)
{
}

} // namespace Property
