#include <QState>
#include <QTabWidget>
#include <QtTest>

#include "app/scene/scenemanager.h"
#include "messagecapture.h"
#include "monitoring/monitoringdialog.h"
#include "panelfixture.h"
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

    QObject* m_owner = nullptr;
    SceneManager* m_manager = nullptr;

private slots:
    void initTestCase() { QVERIFY(installEnglish()); }

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
        for (int scene = 0; scene < Scene::SceneSignals::sceneCount; ++scene)
            QCOMPARE(view->screen(scene) != nullptr, scene >= 3 && scene <= 17);
        QWidget* firstScreen = view->screen(3);
        Window* window = Window::instance();
        LogicalOpDialog dialog(nullptr);
        window->logicalOpDialog = &dialog;

        QObject otherParent;
        View::create(&otherParent);
        Window::create(&otherParent);
        QCOMPARE(View::instance(), view);
        QCOMPARE(view->parent(), m_owner);
        QCOMPARE(view->screen(3), firstScreen);
        QCOMPARE(Window::instance(), window);
        QCOMPARE(window->logicalOpDialog, &dialog);
        QVERIFY(!window->monitoringDialog);
        window->logicalOpDialog = nullptr;
    }

    // The logical operation dialog carries the dark look of the editors.
    void logicalOpDialogIsDark()
    {
        LogicalOpDialog dialog(nullptr);
        dialog.resize(240, 160);
        QCOMPARE(dialog.grab().toImage().pixelColor(4, 4), QColor(0x42, 0x42, 0x42));
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

    // The dialogs open on their scenes and closing them, by the close button
    // or by Escape, returns to the page they were opened from; the next
    // request opens them again.
    void dialogsOpenAndReturn_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("tab");  // -1: the logical operation dialog
        QTest::addColumn<int>("back"); // a screen's own scene is a page to return to
        QTest::addColumn<bool>("escape");
        QTest::newRow("monitoring opens the first screen") << 2 << 0 << 25 << true;
        QTest::newRow("safety output") << 5 << 2 << 5 << false;
        QTest::newRow("last network screen") << 17 << 14 << 17 << true;
        QTest::newRow("logical operation") << 36 << -1 << 25 << false;
        QTest::newRow("logical operation, Escape") << 36 << -1 << 25 << true;
    }
    void dialogsOpenAndReturn()
    {
        QFETCH(int, scene);
        QFETCH(int, tab);
        QFETCH(int, back);
        QFETCH(bool, escape);
        LogicalOpDialog logicalOp(nullptr);
        MonitoringDialog monitoring(nullptr);
        QTabWidget* tabs = monitoring.tabWidget();
        QCOMPARE(tabs->count(), 15); // the screens of scenes 3 to 17
        QCOMPARE(tabs->tabText(qMax(tab, 0)), m_manager->sceneName(qMax(tab, 0) + 3));
        QDialog* dialog = tab < 0 ? static_cast<QDialog*>(&logicalOp) : &monitoring;
        QVERIFY(!dialog->isVisible());
        for (int round = 0; round < 2; ++round) {
            m_manager->loadScene(25);
            m_manager->loadScene(scene);
            QTRY_VERIFY(dialog->isVisible());
            if (tab >= 0)
                QCOMPARE(tabs->currentIndex(), tab);
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
            QVERIFY(!dialog->isVisible());
            QTRY_VERIFY(m_manager->state(back)->active());
            QCOMPARE(m_manager->currentScene(), back);
        }
    }
};

QTEST_MAIN(TestRegistries)
#include "tst_registries.moc"
