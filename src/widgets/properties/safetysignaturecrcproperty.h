#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Panel of the safety signature of the unit's parameter set (scene 18).
class SafetySignatureCRC : public PropertyWidget
{
    Q_OBJECT

public:
    explicit SafetySignatureCRC(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
