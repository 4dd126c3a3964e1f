#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <array>

class ComboBox;
class DoubleSpinBox;
class SpinBox;
class SubMenuTable;

namespace Property {

// Panel of the 32 user safety inputs (scene 35): pulse diagnosis in the
// table, filter time, duplex logic and discrepancy time of the selected
// input. Apply stamps the signal area.
class SafetyInput : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int InputCount = 32;

    explicit SafetyInput(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    void updateUI() override;
    using PropertyWidget::setEnabled;

public slots:
    void parameterLoad(Parameter::DataType dataType);
    void parameterLoad();
    void setPulse(int value);
    void setFilterTime(int value);
    void setDuplexLogic(int value);
    void setAllowTime(float value);
    void setCurrentIndex(int itemIndex);
    void setEnabled(int state, int itemIndex);
    bool requestClose() override;

private:
    void parameterSave();
    // Any field of any input differs between edit and applied image.
    bool changed();
    void showRowStates();
    // The four fields of an input, in table order.
    std::array<FieldBinding*, 4> fields();

    SubMenuTable* m_table = nullptr;
    SpinBox* m_filterTime = nullptr;
    ComboBox* m_duplexLogic = nullptr;
    DoubleSpinBox* m_allowTime = nullptr;
    int m_currentIndex = 0;

    FieldBinding m_pulseField;
    FieldBinding m_filterTimeField;
    FieldBinding m_duplexLogicField;
    FieldBinding m_allowTimeField;
};

} // namespace Property
