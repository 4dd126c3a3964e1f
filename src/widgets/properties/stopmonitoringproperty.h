#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the stop monitoring (scene 31).
class StopMonitoring : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit StopMonitoring(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
