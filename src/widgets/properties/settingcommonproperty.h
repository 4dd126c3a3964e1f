#pragma once

#include "widgets/properties/propertywidget.h"

namespace Property {

// Panel of the common settings (scene 20).
class SettingCommon : public PropertyWidget
{
    Q_OBJECT

public:
    explicit SettingCommon(Parameter* parameter, QWidget* parent = nullptr);
};

} // namespace Property
