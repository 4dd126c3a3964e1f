#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the joint range monitoring (scene 25).
class Joint : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit Joint(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
