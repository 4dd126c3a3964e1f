#pragma once

#include <QStateMachine>
#include <QVector>

#include "app/scene/scenesignals.h"

class QState;

namespace Scene {

// Switches between the pages. A state machine holds one state per scene and
// a star of transitions through the home state; pages show themselves on the
// entered() signal of their state. Every switch leaves the old page through
// home, so loadScene always emits home() first and then the page's signal.
class SceneManager : public SceneSignals
{
    Q_OBJECT

public:
    static void create(QObject* parent);
    static SceneManager* instance();
    ~SceneManager() override;

    // The state of a scene; null for a number outside 0 to 36.
    QState* state(int scene) const;

    // Last scene above 0 that loadScene switched to.
    int currentScene() const { return m_currentScene; }
    // The same, except the two dialog scenes 2 and 36: the page those
    // dialogs return to when they close.
    int lastScene() const { return m_lastScene; }

public slots:
    void loadScene(int scene);

signals:
    void loadedScene(int scene);

private:
    explicit SceneManager(QObject* parent);

    QStateMachine m_machine;
    QVector<QState*> m_states;
    int m_currentScene = 1;
    int m_lastScene = 1;

    static SceneManager* s_instance;
};

} // namespace Scene
