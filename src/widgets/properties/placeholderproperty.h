#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// A page without editors: the scene's name as its heading over an
// Apply/Cancel bar with nothing to apply, and the base's refresh and close.
class PlaceholderProperty : public PropertyWidget
{
    Q_OBJECT

public:
    PlaceholderProperty(Parameter* parameter, int scene, QWidget* parent = nullptr);

    void initialize() override;
};

} // namespace Property
