#include "app/scene/scenemanager.h"

#include <QState>
#include <QtDebug>

#include <iterator>

namespace Scene {

namespace {

using TransitionSignal = void (SceneSignals::*)();

// The signal that enters each scene's state, by scene number.
const TransitionSignal transitionSignals[] = {
    &SceneSignals::home,
    &SceneSignals::system,
    &SceneSignals::monitoring,
    &SceneSignals::monitoringJointPosition,
    &SceneSignals::monitoringSafetyInput,
    &SceneSignals::monitoringSafetyOutput,
    &SceneSignals::monitoringLogicalOperation,
    &SceneSignals::monitoringMotionArea,
    &SceneSignals::monitoringJoint,
    &SceneSignals::monitoringSpeed,
    &SceneSignals::monitoringToolOrientation,
    &SceneSignals::monitoringStop,
    &SceneSignals::monitoringProtectiveStop,
    &SceneSignals::monitoringEmergencyStop,
    &SceneSignals::monitoringToolId,
    &SceneSignals::networkSafetyStatus,
    &SceneSignals::networkParameters,
    &SceneSignals::networkStatus,
    &SceneSignals::safetySignatureCRC,
    &SceneSignals::outputSafetyReport,
    &SceneSignals::settingCommon,
    &SceneSignals::armModel,
    &SceneSignals::toolModel,
    &SceneSignals::areaModel,
    &SceneSignals::stopDistanceEstimation,
    &SceneSignals::joint,
    &SceneSignals::armSpeed,
    &SceneSignals::toolSpeed,
    &SceneSignals::modeSpeed,
    &SceneSignals::customSpeed,
    &SceneSignals::toolOrientation,
    &SceneSignals::stopMonitoring,
    &SceneSignals::protectiveStopSafetyFence,
    &SceneSignals::protectiveStopUserProtectiveStop,
    &SceneSignals::emergencyStop,
    &SceneSignals::safetyInput,
    &SceneSignals::logicalOperation,
};
static_assert(std::size(transitionSignals) == SceneSignals::sceneCount, "one signal per scene");

} // namespace

SceneManager* SceneManager::s_instance = nullptr;

void SceneManager::create(QObject* parent)
{
    if (!s_instance)
        s_instance = new SceneManager(parent);
}

SceneManager* SceneManager::instance()
{
    return s_instance;
}

SceneManager::SceneManager(QObject* parent) : SceneSignals(parent)
{
    m_states.reserve(sceneCount);
    for (int n = 0; n < sceneCount; ++n)
        m_states.append(new QState());

    QState* homeState = m_states[HomeScene];
    for (int n = 0; n < sceneCount; ++n) {
        homeState->addTransition(this, transitionSignals[n], m_states[n]);
        m_states[n]->addTransition(this, &SceneSignals::home, homeState);
    }

    // The machine takes ownership of the states.
    for (QState* state : qAsConst(m_states))
        m_machine.addState(state);
    m_machine.setInitialState(homeState);
    m_machine.start();
}

SceneManager::~SceneManager()
{
    // Objects destroyed after the main window must not reach a dead manager.
    if (s_instance == this)
        s_instance = nullptr;
}

QState* SceneManager::state(int scene) const
{
    return m_states.value(scene, nullptr);
}

void SceneManager::loadScene(int scene)
{
    if (scene < 0 || scene >= sceneCount) {
        qWarning().noquote()
            << QStringLiteral("Scene::SceneManager::loadScene %1 out of range -> NG").arg(scene);
        return;
    }

    if (!m_machine.configuration().contains(m_states[scene])) {
        emit home();
        // The monitoring page has no state of its own: it opens on its
        // first screen.
        const TransitionSignal enter = scene == MonitoringScene
                                           ? &SceneSignals::monitoringJointPosition
                                           : transitionSignals[scene];
        (this->*enter)();
        if (scene > HomeScene) {
            m_currentScene = scene;
            if (scene != MonitoringScene && scene != LogicalOperationScene)
                m_lastScene = scene;
        }
    }
    emit loadedScene(scene);
}

} // namespace Scene
