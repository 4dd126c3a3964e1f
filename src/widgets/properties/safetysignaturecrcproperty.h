#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the safety signature of the unit's parameter set (scene 18).
class SafetySignatureCRC : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit SafetySignatureCRC(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
