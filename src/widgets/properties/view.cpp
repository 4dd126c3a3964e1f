#include "widgets/properties/view.h"

#include <QWidget>
#include <QtDebug>

#include "app/scene/scenemanager.h"
#include "monitoring/monitoringemergencystop.h"
#include "monitoring/monitoringjoint.h"
#include "monitoring/monitoringjointposition.h"
#include "monitoring/monitoringlogicaloperation.h"
#include "monitoring/monitoringmotionarea.h"
#include "monitoring/monitoringprotectivestop.h"
#include "monitoring/monitoringsafetyinput.h"
#include "monitoring/monitoringsafetyoutput.h"
#include "monitoring/monitoringspeed.h"
#include "monitoring/monitoringstop.h"
#include "monitoring/monitoringtoolid.h"
#include "monitoring/monitoringtoolorientation.h"
#include "monitoring/networkparameters.h"
#include "monitoring/networksafetystatus.h"
#include "monitoring/networkstatus.h"
#include "parameter/parameter.h"
#include "widgets/properties/propertywidget.h"
#include "widgets/properties/settingcommonproperty.h"
#include "widgets/startupwindow.h"

namespace {
constexpr int toolIdScene = 14;

QString sceneName(int scene)
{
    const Scene::SceneManager* manager = Scene::SceneManager::instance();
    return manager ? manager->sceneName(scene) : QString();
}
} // namespace

View* View::s_instance = nullptr;

void View::create(QObject* parent)
{
    if (!s_instance)
        s_instance = new View(parent);
}

View* View::instance()
{
    return s_instance;
}

View::View(QObject* parent)
    : QObject(parent), m_parameter(Parameter::instance()),
      m_screens(Scene::SceneSignals::sceneCount)
{
    for (int scene = Scene::FirstScreenScene; scene <= Scene::LastScreenScene; ++scene)
        m_screens[scene] = createScreen(scene);
}

View::~View()
{
    // Screens that no dialog took as a page belong to the registry.
    for (const QPointer<QWidget>& screen : qAsConst(m_screens))
        if (screen && !screen->parent())
            delete screen.data();
    if (s_instance == this)
        s_instance = nullptr;
}

QWidget* View::createScreen(int scene)
{
    switch (scene) {
    case 3:
        return new MonitoringJointPosition;
    case 4:
        return new MonitoringSafetyInput;
    case 5:
        return new MonitoringSafetyOutput;
    case 6:
        return new MonitoringLogicalOperation;
    case 7:
        return new MonitoringMotionArea;
    case 8:
        return new MonitoringJoint;
    case 9:
        return new MonitoringSpeed;
    case 10:
        return new MonitoringToolOrientation;
    case 11:
        return new MonitoringStop;
    case 12:
        return new MonitoringProtectiveStop;
    case 13:
        return new MonitoringEmergencyStop;
    case 14:
        return new MonitoringToolId;
    case 15:
        return new NetworkSafetyStatus;
    case 16:
        return new NetworkParameters;
    case 17:
        return new NetworkStatus;
    default:
        return nullptr;
    }
}

QWidget* View::screen(int scene) const
{
    return m_screens.value(scene);
}

void View::load()
{
    StartupWindow::instance()->updateProgress(QStringLiteral("Initializing Property Windows ..."));
    if (!m_panelSource)
        return;
    const QVector<PropertyWidget*> panels = m_panelSource();
    for (int scene = 0; scene < panels.size(); ++scene) {
        PropertyWidget* panel = panels[scene];
        if (!panel)
            continue;
        qInfo().noquote() << sceneName(scene) << "initialize";
        panel->initialize();
        StartupWindow::instance()->updateProgress(QString());
    }
    connectToolIdScreen(panels);
}

void View::connectToolIdScreen(const QVector<PropertyWidget*>& panels)
{
    auto* screen = qobject_cast<MonitoringToolId*>(m_screens.value(toolIdScene));
    if (!screen)
        return;
    for (PropertyWidget* panel : panels)
        if (auto* common = qobject_cast<Property::SettingCommon*>(panel)) {
            screen->connectSettingCommon(common);
            return;
        }
}
