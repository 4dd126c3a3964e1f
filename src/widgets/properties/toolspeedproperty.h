#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Panel of the speed monitoring points on the tools (scene 27).
class ToolSpeed : public PropertyWidget
{
    Q_OBJECT

public:
    explicit ToolSpeed(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
