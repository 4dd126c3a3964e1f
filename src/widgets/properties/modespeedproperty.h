#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

class ComboBox;
class DoubleSpinBox;
class QLineEdit;

namespace Property {

// Panel of speed monitoring per operation mode (scene 28): the robot part
// fixes whether teach and fast check mode speeds are limited and to what;
// the user chooses the two stop categories.
class ModeSpeed : public PropertyWidget
{
    Q_OBJECT

public:
    explicit ModeSpeed(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

public slots:
    void parameterLoad();
    // Drops the panel's own unapplied stop categories and reloads.
    void parameterRestore();
    void parameterSave();
    void updateUI() override;
    bool requestClose() override;

private:
    bool changed() const;
    void setCategory(const FieldBinding& field, int index);

    QLineEdit* m_teachValid = nullptr;
    DoubleSpinBox* m_teachLimit = nullptr;
    ComboBox* m_teachCategory = nullptr;
    QLineEdit* m_checkValid = nullptr;
    DoubleSpinBox* m_checkLimit = nullptr;
    ComboBox* m_checkCategory = nullptr;

    FieldBinding m_teachCategoryField;
    FieldBinding m_checkCategoryField;
};

} // namespace Property
