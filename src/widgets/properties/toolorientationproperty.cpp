#include "widgets/properties/toolorientationproperty.h"

namespace Property {

ToolOrientation::ToolOrientation(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 30, parent)
{
}

} // namespace Property
