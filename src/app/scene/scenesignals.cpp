#include "app/scene/scenesignals.h"

namespace Scene {

namespace {
// Name keys by scene number, translated in the context Scene::SceneSignals.
const char* const sceneNameKeys[SceneSignals::sceneCount] = {
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "Home"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "System"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "Monitoring"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringJointPosition"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringSafetyInput"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringSafetyOutput"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringLogicalOperation"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringMotionArea"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringJoint"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringSpeed"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringToolOrientation"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringStop"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringProtectiveStop"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringEmergencyStop"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "MonitoringToolId"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "NetworkSafetyStatus"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "NetworkParameters"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "NetworkStatus"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "SafetySignatureCRC"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "OutputSafetyReport"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "SettingCommon"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ArmModel"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ToolModel"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "AreaModel"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "StopDistanceEstimation"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "Joint"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ArmSpeed"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ToolSpeed"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ModeSpeed"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "CustomSpeed"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ToolOrientation"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "StopMonitoring"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ProtectiveStopSafetyFence"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "ProtectiveStopUserProtectiveStop"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "EmergencyStop"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "SafetyInput"),
    QT_TRANSLATE_NOOP("Scene::SceneSignals", "LogicalOperation"),
};
} // namespace

// Translated once: the language is chosen at start-up and only changes at
// the next start.
SceneSignals::SceneSignals(QObject* parent) : QObject(parent)
{
    sceneNames.resize(sceneCount);
    for (int n = 0; n < sceneCount; ++n)
        sceneNames[n] = tr(sceneNameKeys[n]);
}

QString SceneSignals::sceneName(int scene) const
{
    return sceneNames.value(scene);
}

} // namespace Scene
