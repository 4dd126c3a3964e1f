#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the motion area models (scene 23).
class AreaModel : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit AreaModel(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
