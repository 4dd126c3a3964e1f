#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the user speed monitoring (scene 29).
class CustomSpeed : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit CustomSpeed(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
