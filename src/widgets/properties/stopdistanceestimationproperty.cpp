#include "widgets/properties/stopdistanceestimationproperty.h"

namespace Property {

StopDistanceEstimation::StopDistanceEstimation(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 24, parent)
{
}

} // namespace Property
