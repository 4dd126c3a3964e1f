#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the speed limits of the operation modes (scene 28).
class ModeSpeed : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ModeSpeed(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
