#include "widgets/properties/armdevicespeedproperty.h"

namespace Property {

ArmSpeed::ArmSpeed(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 26, parent)
{
}

} // namespace Property
