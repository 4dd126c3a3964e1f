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

    void numbering()
    {
        FunctionMenuWidget menu(nullptr, &m_panels);
        QVERIFY(!menu.menuItem(0));
        for (int scene = 1; scene < 37; ++scene) {
            QTreeWidgetItem* item = menu.menuItem(scene);
            QVERIFY(item && item->parent()); // top-level items carry no number
            const bool monitoringScreen = scene >= 3 && scene <= 17;
            QCOMPARE(item->isHidden(), monitoringScreen || scene == 24);
            QCOMPARE(item->childCount() > 0, scene == 2);
        }
    }

    void disabledItems()
    {
        // Offline, online, online with the switched software.
        for (const QPair<bool, bool>& mode :
             {qMakePair(false, false), qMakePair(true, false), qMakePair(true, true)}) {
            isOnline = mode.first;
            isVSFtoAFM = mode.second;
            FunctionMenuWidget menu(nullptr, &m_panels);
            QCOMPARE(menu.menuItem(19)->isDisabled(), !isOnline);
            QCOMPARE(menu.menuItem(22)->isDisabled(), isVSFtoAFM);
            QVERIFY(menu.menuItem(24)->isDisabled() && menu.menuItem(24)->isHidden());
        }
    }

    // A panel that refuses to close keeps its page and its menu item.
    void clicks_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("clicked"); // -1: the first group item
        QTest::addColumn<bool>("agrees");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("selected"); // 0: home, no item
        QTest::newRow("disabled report item") << 20 << 19 << false << 0 << 20 << 20;
        QTest::newRow("refusing panel") << 20 << 21 << false << 1 << 20 << 20;
        QTest::newRow("agreeing panel") << 20 << 21 << true << 1 << 21 << 21;
        QTest::newRow("monitoring asks nothing") << 20 << 2 << false << 0 << 2 << 2;
        QTest::newRow("group item goes home") << 21 << -1 << true << 1 << 21 << 0;
    }
    void clicks()
    {
        QFETCH(int, from);
        QFETCH(int, clicked);
        QFETCH(int, selected);
        FakePanel& leaving = from == 20 ? m_common : m_armModel;
        QFETCH(bool, agrees);
        leaving.agrees = agrees;
        FunctionMenuWidget menu(nullptr, &m_panels);
        m_scenes->loadScene(from);
        QTreeWidgetItem* item = clicked < 0 ? menu.tree()->topLevelItem(0) : menu.menuItem(clicked);
        if (!item->isDisabled())
            menu.tree()->setCurrentItem(item); // as the tree does on a click
        emit menu.tree()->itemClicked(item, 0);
        QTEST(leaving.asked, "asked");
        QTEST(m_scenes->currentScene(), "current");
        QCOMPARE(menu.tree()->currentItem(), menu.menuItem(selected));
        QCOMPARE(m_scenes->state(0)->active(), selected == 0);
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
