#include "widgets/properties/emergencystopproperty.h"

namespace Property {

EmergencyStop::EmergencyStop(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 34, parent)
{
}

} // namespace Property
