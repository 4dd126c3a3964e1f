#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the user protective stop (scene 33).
class ProtectiveStopUserProtectiveStop : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ProtectiveStopUserProtectiveStop(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
