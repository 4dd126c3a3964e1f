#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the speed monitoring points on the arm and devices (scene 26).
class ArmSpeed : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ArmSpeed(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
