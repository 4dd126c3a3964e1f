#include "widgets/properties/emergencystopproperty.h"

namespace Property {

EmergencyStop::EmergencyStop(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 34, parent)
{
}

} // namespace Property
