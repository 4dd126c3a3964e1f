#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <vector>

class CheckBox;
class ComboBox;
class DoubleSpinBox;
class SubMenuTable;

namespace Property {

// Panel of the tool orientation monitoring (scene 30): 8 sets, each with
// its mode enables, stop category and 5 ranges given as cones. A set that
// is enabled without any valid range is disabled after the user agrees.
class ToolOrientation : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int SetCount = 8;
    static constexpr int RangeCount = 5;

    explicit ToolOrientation(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

    // Disables the enabled sets in scope (all, or the current one) whose
    // ranges are all invalid, once the user agrees; true when nothing is
    // left to disable.
    bool checkRanges(bool allSets);

public slots:
    void updateCurrentIndex();
    void parameterLoad();
    void parameterRestore();
    void parameterSave();
    void updateUI() override;
    bool requestClose() override;

private:
    void reload(Parameter::DataType type);
    void setSetEnabled(int state, int set);
    void setRangeEnabled(int state, int range);
    void setRangeVisible(int state, int range);
    void revertSection();
    void showRanges();
    void showSetRows();
    bool setDisplayFlag(int range, bool shown);
    quint8 setState(int set) const;
    bool changed() const;

    SubMenuTable* m_setTable = nullptr;
    SubMenuTable* m_rangeTable = nullptr;
    std::vector<DoubleSpinBox*> m_angleBoxes;
    std::vector<CheckBox*> m_modeBoxes;
    ComboBox* m_stopCategory = nullptr;

    int m_set = 0;
    int m_range = 0;

    FieldBinding m_validField;
    FieldBinding m_rangeValidField;
    // Teach, check fast, repeat, stop category.
    std::vector<FieldBinding> m_setFields;
    // Half top angle, O, A.
    std::vector<FieldBinding> m_angleFields;
};

} // namespace Property
