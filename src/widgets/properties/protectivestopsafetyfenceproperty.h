#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the safety fence protective stop (scene 32).
class ProtectiveStopSafetyFence : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
