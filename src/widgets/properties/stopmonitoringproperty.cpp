#include "widgets/properties/stopmonitoringproperty.h"

namespace Property {

StopMonitoring::StopMonitoring(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 31, parent)
{
}

} // namespace Property
