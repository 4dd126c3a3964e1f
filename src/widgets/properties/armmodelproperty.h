#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the arm monitoring models (scene 21).
class ArmModel : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit ArmModel(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
