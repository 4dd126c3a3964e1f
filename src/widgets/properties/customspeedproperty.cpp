#include "widgets/properties/customspeedproperty.h"

namespace Property {

CustomSpeed::CustomSpeed(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 29, parent)
{
}

} // namespace Property
