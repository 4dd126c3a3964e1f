#pragma once

#include "widgets/properties/placeholderproperty.h"

namespace Property {

// Panel of the common settings (scene 20). It has no editors yet; it tells
// the tool ID screen which tool identification the edit image holds.
class SettingCommon : public PlaceholderProperty
{
    Q_OBJECT

public:
    explicit SettingCommon(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    // The tool identification choice of the edit image (0 the first choice).
    int toolIdSpec() const;

signals:
    void toolIdSpecChanged(int index);

private:
    void checkToolIdSpec();

    int m_lastToolIdSpec = 0;
};

} // namespace Property
