#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include <QVector>

#include <vector>

class ButtonSuccess;
class ComboBox;
class DoubleSpinBox;
class SubMenuTable;

namespace Property {

// Panel of the tool monitoring models (scene 22): for each of the 32 tools
// up to 20 spheres, capsules or cuboids fixed to the flange. Every change
// that can raise the area model cost (enable, kind, paste) is refused when
// it would exceed the budget.
class ToolModel : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int ToolCount = 32;
    static constexpr int ModelCount = 20;

    explicit ToolModel(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    using PropertyWidget::setEnabled;

public slots:
    void parameterLoad();
    void parameterRestore();
    void parameterSave();
    void setCurrentToolId(int toolId);
    void setCurrentModelIndex(int modelIndex);
    void setEnabled(int state, int index);
    void setVisibility(int state, int index);
    void setKind(int kind);
    // The shape values of the current model, as the boxes give them.
    void setRadius(double value);
    void setPosition1X(double value);
    void setPosition1Y(double value);
    void setPosition1Z(double value);
    void setPosition2X(double value);
    void setPosition2Y(double value);
    void setPosition2Z(double value);
    void setWidthX(double value);
    void setWidthY(double value);
    void setWidthZ(double value);
    void setO(double value);
    void setA(double value);
    void setT(double value);
    void copy();
    void paste();
    void updateUI() override;
    bool requestClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The shape value of box i (grid order) as the user entered it.
    void setShape(int box, double value);
    void selectCurrent();
    void showKind(int kind);
    void showModelRows();
    quint8 modelState(int tool, int model) const;
    bool changed() const;
    // The display flag of the current tool's model m, announced when it changes.
    bool setDisplayFlag(int model, bool shown);

    SubMenuTable* m_toolTable = nullptr;
    SubMenuTable* m_modelTable = nullptr;
    ButtonSuccess* m_copy = nullptr;
    ButtonSuccess* m_paste = nullptr;
    ComboBox* m_kind = nullptr;
    QVector<DoubleSpinBox*> m_boxes;
    QVector<QWidget*> m_radiusWidgets;
    QVector<QWidget*> m_point2Widgets;
    QVector<QWidget*> m_cuboidWidgets;

    int m_tool = 0;
    int m_model = 0;
    int m_copyTool = -1;
    int m_copyModel = -1;

    FieldBinding m_validField;
    FieldBinding m_kindField;
    // In grid order: radius, point 1, point 2, widths, O, A, T.
    std::vector<FieldBinding> m_shapeFields;
};

} // namespace Property
