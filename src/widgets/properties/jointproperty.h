#pragma once

#include "widgets/properties/setpanel.h"

class ComboBox;
class DoubleSpinBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace Property {

// Panel of the joint range monitoring (scene 25): the constant ranges of
// the robot part, shown read-only, and 18 selectable sets, each with ranges
// for the joints of its target robot or device. Ranges that cross or leave
// the constant range are pointed out on the page; nothing is refused.
class Joint : public SetPanel
{
    Q_OBJECT

public:
    explicit Joint(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

public slots:
    void setCurrentJoint(int row);

protected:
    void showSet(bool enabled) override;
    void targetShown() override;
    QString setToolTip(int set) const override;

private:
    void enableRange(QTableWidgetItem* item);
    void showConstantRanges();
    void showRangeRows();
    void showFindings();
    // The joint (1..18) of the selected row, or 0.
    int currentJoint() const;
    // What the page points out about a joint's range in the current set,
    // a line each.
    QStringList findings(int joint) const;

    QTableWidget* m_constant = nullptr;
    QLabel* m_constantValid = nullptr;
    QTableWidget* m_ranges = nullptr;
    ComboBox* m_move = nullptr;
    DoubleSpinBox* m_lower = nullptr;
    DoubleSpinBox* m_upper = nullptr;
    QLabel* m_findings = nullptr;
    int m_jointRow = 0;

    FieldBinding m_rangeValidField;
    FieldBinding m_moveField;
    FieldBinding m_lowerField;
    FieldBinding m_upperField;
};

} // namespace Property
