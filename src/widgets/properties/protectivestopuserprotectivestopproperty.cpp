#include "widgets/properties/protectivestopuserprotectivestopproperty.h"

namespace Property {

ProtectiveStopUserProtectiveStop::ProtectiveStopUserProtectiveStop(Parameter* parameter,
                                                                   QWidget* parent)
    : PlaceholderProperty(parameter, 33, parent)
{
}

} // namespace Property
