#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the system settings (controller address, boards, versions) (scene 1).
class System : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit System(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
