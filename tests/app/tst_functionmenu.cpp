#include <QState>
#include <QTreeWidget>
#include <QtTest>

#include "app/core/startupstate.h"
#include "app/functionmenuwidget.h"
#include "app/scene/scenemanager.h"
#include "widgets/properties/propertywidget.h"

namespace {

class FakePanel : public PropertyWidget
{
public:
    FakePanel() : PropertyWidget(nullptr) {}
    void initialize() override {}
    bool requestClose() override
    {
        ++asked;
        return agrees;
    }
    int asked = 0;
    bool agrees = true;
};

// English texts of the page tree; the catalogue has none for scene 24, which
// therefore shows its key.
const char* const sceneTexts[37] = {
    nullptr,
    "System",
    "Monitoring",
    "Joint Position",
    "Safety Input",
    "Safety Output",
    "Logical Operation",
    "Motion Area",
    "Joint",
    "Speed",
    "Tool Orientation",
    "Stop",
    "Protective Stop",
    "Emergency Stop",
    "Tool ID",
    "Network Safety Status",
    "Network Parameters",
    "Network Status",
    "CRC",
    "Output SafetyReport",
    "Common",
    "Arm Monitoring Model",
    "Tool Monitoring Model",
    "Area Monitoring Model",
    "MonitoringSettingStopDistanceEstimation",
    "Joint",
    "Speed Points on Arm/Device",
    "Speed Points on Tool",
    "Speed Monitoring Each Mode",
    "Custom Speed Monitoring",
    "Tool Orientation",
    "Stop Monitoring",
    "Safety Fence",
    "User Protective Stop",
    "Emergency Stop",
    "Safety Input",
    "Logical Operation",
};

} // namespace

class TestFunctionMenu : public QObject
{
    Q_OBJECT

    QObject m_owner;
    Scene::SceneManager* m_scenes = nullptr;
    QVector<PropertyWidget*> m_panels;
    FakePanel m_system;
    FakePanel m_common;
    FakePanel m_armModel;

    void click(FunctionMenuWidget& menu, QTreeWidgetItem* item)
    {
        emit menu.tree()->itemClicked(item, 0);
    }

private slots:
    void initTestCase()
    {
        Scene::SceneManager::create(&m_owner);
        m_scenes = Scene::SceneManager::instance();
        QTRY_VERIFY(m_scenes->state(0)->active());
        m_panels.fill(nullptr, 37);
        m_panels[1] = &m_system;
        m_panels[20] = &m_common;
        m_panels[21] = &m_armModel;
    }

    void init()
    {
        isOnline = false;
        isVSFtoAFM = false;
        for (FakePanel* panel : {&m_system, &m_common, &m_armModel}) {
            panel->asked = 0;
            panel->agrees = true;
        }
    }

    void numbering_data()
    {
        QTest::addColumn<int>("scene");
        for (int n = 1; n < 37; ++n)
            QTest::addRow("%d", n) << n;
    }
    void numbering()
    {
        QFETCH(int, scene);
        FunctionMenuWidget menu(nullptr, &m_panels);
        QCOMPARE(menu.menuItems().size(), 37);
        QVERIFY(!menu.menuItem(0));
        QTreeWidgetItem* item = menu.menuItem(scene);
        QVERIFY(item);
        QCOMPARE(item->text(0), QString(sceneTexts[scene]));
        const bool monitoringScreen = scene >= 3 && scene <= 17;
        QCOMPARE(item->isHidden(), monitoringScreen || scene == 24);
        QCOMPARE(item->childCount() > 0, scene == 2);
        QVERIFY(item->parent()); // top-level items carry no number
    }

    void disabledItems_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("vsfToAfm");
        QTest::newRow("offline") << false << false;
        QTest::newRow("online") << true << false;
        QTest::newRow("switched") << true << true;
    }
    void disabledItems()
    {
        QFETCH(bool, online);
        QFETCH(bool, vsfToAfm);
        isOnline = online;
        isVSFtoAFM = vsfToAfm;
        FunctionMenuWidget menu(nullptr, &m_panels);
        QCOMPARE(menu.menuItem(19)->isDisabled(), !online);
        QCOMPARE(menu.menuItem(22)->isDisabled(), vsfToAfm);
        QVERIFY(menu.menuItem(24)->isDisabled());
        QVERIFY(menu.menuItem(24)->isHidden());
    }

    void disabledReportItemDoesNothing()
    {
        FunctionMenuWidget menu(nullptr, &m_panels);
        m_scenes->loadScene(20);
        click(menu, menu.menuItem(19));
        QCOMPARE(m_scenes->currentScene(), 20);
        QCOMPARE(m_common.asked, 0);
    }

    void refusingPanelKeepsItsPage()
    {
        FunctionMenuWidget menu(nullptr, &m_panels);
        m_scenes->loadScene(20);
        m_common.agrees = false;
        menu.tree()->setCurrentItem(menu.menuItem(21));
        click(menu, menu.menuItem(21));
        QCOMPARE(m_common.asked, 1);
        QCOMPARE(m_scenes->currentScene(), 20);
        QVERIFY(m_scenes->state(20)->active());
        QCOMPARE(menu.tree()->currentItem(), menu.menuItem(20));

        m_common.agrees = true;
        click(menu, menu.menuItem(21));
        QCOMPARE(m_common.asked, 2);
        QCOMPARE(m_scenes->currentScene(), 21);
        QCOMPARE(menu.tree()->currentItem(), menu.menuItem(21));
    }

    void monitoringAsksNothing()
    {
        FunctionMenuWidget menu(nullptr, &m_panels);
        m_scenes->loadScene(20);
        m_common.agrees = false;
        click(menu, menu.menuItem(2));
        QCOMPARE(m_common.asked, 0);
        QCOMPARE(m_scenes->currentScene(), 2);
    }

    void groupItemGoesHome()
    {
        FunctionMenuWidget menu(nullptr, &m_panels);
        m_scenes->loadScene(21);
        click(menu, menu.tree()->topLevelItem(0));
        QCOMPARE(m_armModel.asked, 1);
        QVERIFY(m_scenes->state(0)->active());
        QCOMPARE(m_scenes->currentScene(), 21);
        QVERIFY(!menu.tree()->currentItem());
    }

    // Runs last: the first show happens once per process.
    void firstShowOpensSystemOnce()
    {
        FunctionMenuWidget menu(nullptr, &m_panels);
        m_scenes->loadScene(0);
        menu.show();
        QCOMPARE(m_scenes->currentScene(), 1);
        QVERIFY(m_scenes->state(1)->active());
        QCOMPARE(menu.tree()->currentItem(), menu.menuItem(1));

        m_scenes->loadScene(20);
        menu.hide();
        menu.show();
        QCOMPARE(m_scenes->currentScene(), 20);
    }
};

QTEST_MAIN(TestFunctionMenu)
#include "tst_functionmenu.moc"
