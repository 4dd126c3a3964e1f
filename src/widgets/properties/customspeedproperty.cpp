#include "widgets/properties/customspeedproperty.h"

namespace Property {

CustomSpeed::CustomSpeed(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 29, parent)
{
}

} // namespace Property
