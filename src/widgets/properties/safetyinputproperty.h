#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Panel of the user safety inputs (scene 35).
class SafetyInput : public PropertyWidget
{
    Q_OBJECT

public:
    explicit SafetyInput(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
