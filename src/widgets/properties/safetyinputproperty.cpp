#include "widgets/properties/safetyinputproperty.h"

namespace Property {

SafetyInput::SafetyInput(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 35, parent)
{
}

} // namespace Property
