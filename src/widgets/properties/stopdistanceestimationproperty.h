#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the stop distance estimation (scene 24).
class StopDistanceEstimation : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit StopDistanceEstimation(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
