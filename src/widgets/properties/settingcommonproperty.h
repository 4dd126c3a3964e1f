#pragma once

#include "widgets/properties/sectionpanel.h"

#include <QVector>

#include <vector>

class QLabel;
class SubMenuTable;

namespace Property {

// Panel of the common settings (scene 20): how tools are identified, the
// identification conversion table and the distance allowed while the tool
// identification disagrees, the tool centre points of the 32 tools (robot
// part, read-only), and the stop judgement distance of each joint in use.
// It tells the tool ID screen which tool identification the edit image
// holds, and while it is shown the 3D view marks the current tool's frame.
class SettingCommon : public SectionPanel
{
    Q_OBJECT

public:
    static constexpr int ToolCount = 32;
    static constexpr int JointCount = 18;

    explicit SettingCommon(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    // The tool identification choice of the edit image (0 the first choice).
    int toolIdSpec() const;

signals:
    void toolIdSpecChanged(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void parameterLoad(Parameter::DataType type) override;
    void showValues() override;
    void setCurrentTool(int tool);
    void selectTool();
    void showJointRows();
    void showSharedEntries();
    void checkToolIdSpec();

    SubMenuTable* m_tools = nullptr;
    QLabel* m_sharedEntries = nullptr;
    // The conversion entry and the tool centre point, bound to the cells of
    // the current tool.
    std::vector<FieldBinding*> m_toolFields;
    QVector<QWidget*> m_jointLabels;
    QVector<DoubleSpinBox*> m_jointBoxes;

    int m_tool = 0;
    int m_lastToolIdSpec = 0;
};

} // namespace Property
