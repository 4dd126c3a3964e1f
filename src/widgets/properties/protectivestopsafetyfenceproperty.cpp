#include "widgets/properties/protectivestopsafetyfenceproperty.h"

namespace Property {

ProtectiveStopSafetyFence::ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 32, parent)
{
}

} // namespace Property
