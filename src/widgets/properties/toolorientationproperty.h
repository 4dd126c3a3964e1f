#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the tool orientation monitoring (scene 30).
class ToolOrientation : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ToolOrientation(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
