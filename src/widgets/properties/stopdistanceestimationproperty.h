#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Fixed form of the stop distance estimation (scene 24): a maker/user
// choice and two values that are bound to no parameter and stored nowhere.
class StopDistanceEstimation : public PropertyWidget
{
    Q_OBJECT

public:
    explicit StopDistanceEstimation(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
};

} // namespace Property
