#include <QState>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include "app/scene/scenemanager.h"
#include "messagecapture.h"
#include "monitoring/monitoringdialog.h"
#include "parameter/parameter.h"
#include "widgets/properties/logicalopdialog.h"
#include "widgets/properties/settingcommonproperty.h"
#include "widgets/properties/systemproperty.h"
#include "widgets/properties/view.h"
#include "widgets/properties/window.h"
#include "widgets/startupwindow.h"

using Scene::SceneManager;

class TestRegistries : public QObject
{
    Q_OBJECT

    QTranslator m_english;
    QObject* m_owner = nullptr;
    SceneManager* m_manager = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(":/config/i18n/en.qm"));
        QCoreApplication::installTranslator(&m_english);
    }

    void init()
    {
        m_owner = new QObject;
        SceneManager::create(m_owner);
        m_manager = SceneManager::instance();
        QTRY_VERIFY(m_manager->state(0)->active());
        View::create(m_owner);
        Window::create(m_owner);
    }

    void cleanup()
    {
        delete m_owner;
        QVERIFY(!View::instance());
        QVERIFY(!Window::instance());
    }

    void secondCreateKeepsTheFirstRegistries()
    {
        View* view = View::instance();
        QVector<QWidget*> screens;
        for (int scene = 0; scene < Scene::SceneSignals::sceneCount; ++scene) {
            screens << view->screen(scene);
            QCOMPARE(screens.last() != nullptr, scene >= 3 && scene <= 17);
        }
        Window* window = Window::instance();
        LogicalOpDialog dialog(nullptr);
        window->logicalOpDialog = &dialog;

        QObject otherParent;
        View::create(&otherParent);
        Window::create(&otherParent);
        QCOMPARE(View::instance(), view);
        QCOMPARE(view->parent(), m_owner);
        for (int scene = 0; scene < screens.size(); ++scene)
            QCOMPARE(view->screen(scene), screens[scene]);
        QCOMPARE(Window::instance(), window);
        QCOMPARE(window->logicalOpDialog, &dialog);
        QVERIFY(!window->monitoringDialog);
        window->logicalOpDialog = nullptr;
    }

    void loadInitializesOnlyThePanelsPresent()
    {
        Property::System system(Parameter::instance());
        Property::SettingCommon common(Parameter::instance());
        QVector<PropertyWidget*> panels(Scene::SceneSignals::sceneCount);
        panels[1] = &system;
        panels[20] = &common;
        View::instance()->setPanelSource([&panels] { return panels; });

        const int stepsBefore = StartupWindow::instance()->stepCount();
        MessageCapture log;
        View::instance()->load();

        QVERIFY(system.isInitialized());
        QVERIFY(common.isInitialized());
        QCOMPARE(StartupWindow::instance()->stepCount() - stepsBefore, 1 + 2);
        const QStringList expected = {m_manager->sceneName(1) + " initialize",
                                      m_manager->sceneName(20) + " initialize"};
        QCOMPARE(log.messages().filter("initialize"), expected);
    }

    void monitoringDialogFollowsItsScenes_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("tab");
        // Scene 2 is not a page to return to; a screen's own scene is.
        QTest::addColumn<int>("back");
        QTest::newRow("safety output") << 5 << 2 << 5;
        QTest::newRow("monitoring opens the first screen") << 2 << 0 << 20;
        QTest::newRow("last network screen") << 17 << 14 << 17;
    }

    void monitoringDialogFollowsItsScenes()
    {
        QFETCH(int, scene);
        QFETCH(int, tab);
        QFETCH(int, back);
        MonitoringDialog dialog(nullptr);
        QCOMPARE(dialog.objectName(), QStringLiteral("MonitoringDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Monitoring"));
        QTabWidget* tabs = dialog.tabWidget();
        QCOMPARE(tabs->count(), 15);
        QCOMPARE(tabs->tabText(tab), m_manager->sceneName(tab + 3));
        QVERIFY(!dialog.isVisible());

        m_manager->loadScene(20);
        m_manager->loadScene(scene);
        QTRY_VERIFY(dialog.isVisible());
        QCOMPARE(tabs->currentIndex(), tab);

        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_manager->lastScene(), back);
        QTRY_VERIFY(m_manager->state(back)->active());
        QCOMPARE(m_manager->currentScene(), back);
    }

    void logicalOpDialogOpensOnItsSceneAndReturns()
    {
        LogicalOpDialog dialog(nullptr);
        QVERIFY(dialog.logicalOp());
        m_manager->loadScene(24);
        m_manager->loadScene(36);
        QTRY_VERIFY(dialog.isVisible());
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QTRY_VERIFY(m_manager->state(24)->active());
    }

    // Escape leaves a dialog the way its close button does, so the page it
    // was opened from is active again and the next request reopens it.
    void escapeClosesLikeTheCloseButton_data()
    {
        QTest::addColumn<int>("scene");
        QTest::newRow("logical operation") << 36;
        QTest::newRow("monitoring") << 2;
    }
    void escapeClosesLikeTheCloseButton()
    {
        QFETCH(int, scene);
        LogicalOpDialog logicalOp(nullptr);
        MonitoringDialog monitoring(nullptr);
        QDialog* dialog = scene == 36 ? static_cast<QDialog*>(&logicalOp) : &monitoring;
        m_manager->loadScene(25);
        for (int round = 0; round < 2; ++round) {
            m_manager->loadScene(scene);
            QTRY_VERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QTRY_VERIFY(m_manager->state(25)->active());
            QCOMPARE(m_manager->currentScene(), 25);
        }
    }
};

QTEST_MAIN(TestRegistries)
#include "tst_registries.moc"
