#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Panel of the safety fence protective stop (scene 32).
class ProtectiveStopSafetyFence : public PropertyWidget
{
    Q_OBJECT

public:
    explicit ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
