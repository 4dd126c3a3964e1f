#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the speed monitoring points on the tools (scene 27).
class ToolSpeed : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ToolSpeed(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
