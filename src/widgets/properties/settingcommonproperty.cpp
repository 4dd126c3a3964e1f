#include "widgets/properties/settingcommonproperty.h"

#include "parameter/parameter.h"

namespace Property {

SettingCommon::SettingCommon(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 20, parent)
{
}

void SettingCommon::initialize()
{
    if (initialized)
        return;
    PlaceholderProperty::initialize();
    m_lastToolIdSpec = toolIdSpec();
    if (m_parameter)
        connect(m_parameter, &Parameter::parameterChanged, this, &SettingCommon::checkToolIdSpec);
}

int SettingCommon::toolIdSpec() const
{
    const FieldDef* spec = ParameterLayout::findByName(QStringLiteral("ToolIdSpec"));
    return m_parameter && spec ? m_parameter->editImage().i16(*spec) : 0;
}

void SettingCommon::checkToolIdSpec()
{
    const int spec = toolIdSpec();
    if (spec == m_lastToolIdSpec)
        return;
    m_lastToolIdSpec = spec;
    emit toolIdSpecChanged(spec);
}

} // namespace Property
