#include "widgets/properties/modespeedproperty.h"

namespace Property {

ModeSpeed::ModeSpeed(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 28, parent)
{
}

} // namespace Property
