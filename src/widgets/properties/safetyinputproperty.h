#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the user safety inputs (scene 35).
class SafetyInput : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit SafetyInput(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
