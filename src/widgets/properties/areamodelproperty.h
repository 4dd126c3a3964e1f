#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include <QVector>

#include <vector>

class CheckBox;
class ComboBox;
class DoubleSpinBox;
class QLabel;
class SpinBox;
class SubMenuTable;

namespace Property {

// Panel of the motion area models (scene 23): 16 prisms, each an outline of
// 3 to 8 corners in the robot's base plane between two heights, in which
// the robot must stay (permitted) or which it must not enter (forbidden).
// Enabling an area and switching it between permitted and forbidden weigh
// on the area model cost and are refused over the budget. Outlines the
// unit may not expect (crossing, concave, repeated corners, heights the
// wrong way round) are named beside the area without blocking anything.
class AreaModel : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int AreaCount = 16;
    static constexpr int VertexCount = 8;

    explicit AreaModel(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    void updateUI() override;
    bool requestClose() override;
    using PropertyWidget::setEnabled;

public slots:
    void parameterLoad();
    void parameterRestore();
    void parameterSave();
    void setCurrentArea(int area);
    void setEnabled(int state, int area);
    void setVisibility(int state, int area);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The binding of an editor in the order of m_editors, pointed at the
    // current area (and the vertex of a grid box).
    FieldBinding& bindingOf(int editor);
    void write(int editor, double value);
    void writeMoveValid(int index);
    // The marker and outline part of the focused height or vertex box.
    void followFocus(QWidget* now);
    void selectCurrent();
    void showRows();
    void showVertexRows();
    void showWarnings();
    void showBudget();
    quint8 areaState(int area) const;
    bool editable() const;
    bool changed() const;

    SubMenuTable* m_table = nullptr;
    QLabel* m_budget = nullptr;
    QLabel* m_warnings = nullptr;
    ComboBox* m_moveValid = nullptr;
    SpinBox* m_vertexCount = nullptr;
    QVector<DoubleSpinBox*> m_vertexBoxes; // X and Y of vertex v at 2v and 2v + 1
    DoubleSpinBox* m_upper = nullptr;
    DoubleSpinBox* m_lower = nullptr;
    QVector<CheckBox*> m_switches; // teach, fast check, repeat, stop position
    ComboBox* m_stopCategory = nullptr;
    QVector<QWidget*> m_editors;

    int m_area = 0;

    FieldBinding m_validField;
    // One per editor, in the order of m_editors.
    std::vector<FieldBinding> m_areaFields;
};

} // namespace Property
