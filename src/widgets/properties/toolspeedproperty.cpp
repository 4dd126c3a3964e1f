#include "widgets/properties/toolspeedproperty.h"

namespace Property {

ToolSpeed::ToolSpeed(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 27, parent)
{
}

} // namespace Property
