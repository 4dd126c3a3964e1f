#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include <array>
#include <vector>

class ButtonSuccess;
class ComboBox;
class CoordinateChoice;
class DoubleSpinBox;
class PointEditors;
class QLabel;
class SubMenuTable;

namespace Property {

// Panel of the arm monitoring models (scene 21): two sets of 20 spheres or
// capsules, each fixed in one of the robot's coordinate systems. The maker
// set belongs to the robot and is shown read-only; the set chosen on the
// page is the one monitored. Choosing the set, a coordinate system, a kind
// and pasting weigh on the area model cost and are refused over the budget.
class ArmModel : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int SetCount = 2; // 0 maker, 1 user
    static constexpr int ModelCount = 20;

    explicit ArmModel(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    void updateUI() override;
    bool requestClose() override;

public slots:
    void parameterLoad();
    void parameterRestore();
    void parameterSave();
    void setCurrentModel(int model);
    void copy();
    void paste();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Coordinate number, kind, radius, X1, Y1, Z1, X2, Y2, Z2 of a set.
    std::vector<FieldBinding>& fields(int set) { return m_fields[std::size_t(set)]; }
    int shownSet() const;
    int coordinateOf(int set, int model) const;
    void chooseSet(int index);
    void writeCostCell(int field, int value);
    void writeShape(int field, double value);
    void selectCurrent();
    void showRows(int set);
    QString hiddenFindings(int set) const;
    bool canPaste() const;
    bool changed() const;

    ComboBox* m_setBox = nullptr;
    SubMenuTable* m_table = nullptr;
    CoordinateChoice* m_coordinates = nullptr;
    ComboBox* m_kind = nullptr;
    DoubleSpinBox* m_radius = nullptr;
    PointEditors* m_point1 = nullptr;
    PointEditors* m_point2 = nullptr;
    QLabel* m_point2Caption = nullptr;
    QLabel* m_hiddenFindings = nullptr;
    ButtonSuccess* m_copy = nullptr;
    ButtonSuccess* m_paste = nullptr;
    // The shape boxes in field order: radius, point 1, point 2.
    std::vector<DoubleSpinBox*> m_shapeBoxes;

    int m_model = 0;
    int m_tableSet = -1; // the set whose Visible marks the table shows
    int m_copySet = -1;
    int m_copyModel = -1;

    FieldBinding m_specField;
    std::array<std::vector<FieldBinding>, SetCount> m_fields;
};

} // namespace Property
