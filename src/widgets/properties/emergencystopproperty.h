#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the emergency stops (scene 34).
class EmergencyStop : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit EmergencyStop(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
