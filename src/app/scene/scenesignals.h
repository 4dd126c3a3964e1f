#pragma once

#include <QObject>
#include <QString>
#include <QVector>

namespace Scene {

// The scene numbers the code refers to by name; the name list in
// scenesignals.cpp is the whole table.
enum Number : int
{
    HomeScene = 0,
    SystemScene = 1,
    MonitoringScene = 2,
    FirstScreenScene = 3, // monitoring screens 3 to 14, network screens 15 to 17
    LastScreenScene = 17,
    OutputSafetyReportScene = 19,
    ToolModelScene = 22,
    AreaModelScene = 23,
    StopDistanceEstimationScene = 24,
    LogicalOperationScene = 36,
};

// One parameterless signal per page and the translated page names. The
// scene number (0 to 36) binds a signal to its page only through the
// manager's tables, never through the declaration order: toolModel is
// declared before armModel although the arm model is scene 21.
class SceneSignals : public QObject
{
    Q_OBJECT

public:
    static constexpr int sceneCount = 37;

    explicit SceneSignals(QObject* parent);

    // The translated name of a scene; empty for a number outside 0 to 36.
    QString sceneName(int scene) const;

signals:
    void home();
    void system();
    void monitoring();
    void monitoringJointPosition();
    void monitoringSafetyInput();
    void monitoringSafetyOutput();
    void monitoringLogicalOperation();
    void monitoringMotionArea();
    void monitoringJoint();
    void monitoringSpeed();
    void monitoringToolOrientation();
    void monitoringStop();
    void monitoringProtectiveStop();
    void monitoringEmergencyStop();
    void monitoringToolId();
    void networkSafetyStatus();
    void networkParameters();
    void networkStatus();
    void safetySignatureCRC();
    void outputSafetyReport();
    void settingCommon();
    void toolModel();
    void armModel();
    void areaModel();
    void stopDistanceEstimation();
    void joint();
    void armSpeed();
    void toolSpeed();
    void modeSpeed();
    void customSpeed();
    void toolOrientation();
    void stopMonitoring();
    void protectiveStopSafetyFence();
    void protectiveStopUserProtectiveStop();
    void emergencyStop();
    void safetyInput();
    void logicalOperation();

protected:
    QVector<QString> sceneNames;
};

} // namespace Scene
