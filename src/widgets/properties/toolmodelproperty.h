#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the tool monitoring models (scene 22).
class ToolModel : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ToolModel(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
