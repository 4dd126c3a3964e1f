#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Panel of the stop monitoring (scene 31).
class StopMonitoring : public PropertyWidget
{
    Q_OBJECT

public:
    explicit StopMonitoring(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
