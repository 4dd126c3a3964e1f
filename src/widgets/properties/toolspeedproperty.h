#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <vector>

class ButtonSuccess;
class PointEditors;
class SubMenuTable;

namespace Property {

// Panel of the speed monitoring points on the tools (scene 27): for each
// of the 32 tools up to 20 points relative to the flange. The page's cells
// lie in no section of the store, so Apply and Cancel move them only.
class ToolSpeed : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int ToolCount = 32;
    static constexpr int PointCount = 20;

    explicit ToolSpeed(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    using PropertyWidget::setEnabled;

public slots:
    void setCurrentToolId(int toolId);
    void setCurrentPointIndex(int pointIndex);
    // Takes the current tool and point from the two tables.
    void updateCurrentIndex();
    void setEnabled(int state, int pointIndex);
    void setVisibility(int state, int pointIndex);
    void setPoint(int axis, double value);
    void parameterLoad();
    void parameterRestore();
    void parameterSave();
    void copy();
    void paste();
    void updateUI() override;
    bool requestClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reset(Parameter::DataType type);
    void selectCurrent();
    void showPointRows();
    quint8 pointState(int tool, int point) const;
    bool canPaste() const;
    bool changed() const;

    SubMenuTable* m_toolTable = nullptr;
    SubMenuTable* m_pointTable = nullptr;
    PointEditors* m_point = nullptr;
    ButtonSuccess* m_copy = nullptr;
    ButtonSuccess* m_paste = nullptr;

    int m_tool = 0;
    int m_pointIndex = 0;
    int m_copyTool = -1;
    int m_copyPoint = -1;

    FieldBinding m_validField;
    // X, Y, Z.
    std::vector<FieldBinding> m_positionFields;
};

} // namespace Property
