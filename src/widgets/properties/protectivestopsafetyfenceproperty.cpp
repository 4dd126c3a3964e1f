#include "widgets/properties/protectivestopsafetyfenceproperty.h"

namespace Property {

ProtectiveStopSafetyFence::ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 32, parent)
{
}

} // namespace Property
