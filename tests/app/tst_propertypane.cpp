#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QState>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

#include "app/core/startupstate.h"
#include "app/propertypane.h"
#include "app/scene/scenemanager.h"
#include "parameter/parameter.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/propertywidget.h"
#include "widgets/submenutable.h"

#include "areamodelbudget.h"

using Metrics = PropertyPane::SystemMetrics;
Q_DECLARE_METATYPE(Metrics)

namespace {

class FakePanel : public PropertyWidget
{
public:
    explicit FakePanel(int height, int width = 300) : PropertyWidget(nullptr), m_width(width)
    {
        setMinimumHeight(height);
    }
    void initialize() override {}
    void updateUI() override { ++updates; }
    QSize sizeHint() const override
    {
        ++measured;
        return {m_width, minimumHeight()};
    }
    int updates = 0;
    mutable int measured = 0;

private:
    int m_width;
};

// A page that would like more room than the pane has, and an item table
// whose header texts ask for more.
class WidePanel : public PropertyWidget
{
public:
    WidePanel() : PropertyWidget(nullptr)
    {
        table = new SubMenuTable(QStringLiteral("%1"), 8, 4, true, false, false, false);
        table->setHeaderText(0, QStringLiteral("Tool orientation monitoring set"));
        table->setHeaderText(1, QStringLiteral("Enabled"));
        table->adjustLayout();
        layout()->addWidget(table);
    }
    void initialize() override {}
    void updateUI() override {}
    QSize sizeHint() const override { return {600, 300}; }
    SubMenuTable* table;
};

// A panel built as at start-up, its item table waiting for its place in a
// section frame; the table's header asks for more room than the pane has.
class SectionPanel : public PropertyWidget
{
public:
    SectionPanel() : PropertyWidget(nullptr)
    {
        const PolishStyle::Hold hold;
        auto* section = new QFrame;
        auto* layout = new QVBoxLayout(section);
        table = new SubMenuTable(QStringLiteral("%1"), 8, 4, true, true, false, false, section);
        table->setHeaderText(0, QStringLiteral("Tool orientation range"));
        table->adjustLayout();
        layout->addWidget(table);
        addSection(QStringLiteral("Range"), section);
    }
    void initialize() override {}
    void updateUI() override {}
    SubMenuTable* table;
};

} // namespace

class TestPropertyPane : public QObject
{
    Q_OBJECT

    QObject m_owner;
    Scene::SceneManager* m_scenes = nullptr;
    QVector<PropertyWidget*> m_panels;
    FakePanel* m_areaModel = nullptr;

    // The pane takes the panels as its pages and deletes them with itself.
    void makePanels()
    {
        m_panels.fill(nullptr, 37);
        m_panels[1] = new FakePanel(100);
        m_panels[20] = new FakePanel(900);
        m_panels[23] = m_areaModel = new FakePanel(200);
    }

    // Enters a scene's page as the function menu does.
    bool enter(int scene)
    {
        m_scenes->loadScene(scene);
        return QTest::qWaitFor([this, scene] { return m_scenes->state(scene)->active(); });
    }

private slots:
    void initTestCase()
    {
        Scene::SceneManager::create(&m_owner);
        m_scenes = Scene::SceneManager::instance();
        QTRY_VERIFY(m_scenes->state(0)->active());
    }

    void width_data()
    {
        QTest::addColumn<Metrics>("metrics");
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("width");
        QTest::newRow("offline 96 dpi") << Metrics{96, 23, 1920, 1017} << false << 417;
        QTest::newRow("online 144 dpi") << Metrics{144, 23, 1920, 1017} << true << 715;
        QTest::newRow("online 96 dpi, 1440 wide") << Metrics{96, 23, 1440, 850} << true << 476;
        QTest::newRow("online 192 dpi") << Metrics{192, 30, 3840, 2000} << true << 954;
        QTest::newRow("no screen size") << Metrics{144, 0, 0, 0} << false << 625;
        QTest::newRow("no dpi") << Metrics{0, 23, 1920, 1017} << false << 417;
    }
    void width()
    {
        QFETCH(Metrics, metrics);
        QFETCH(bool, online);
        QTEST(PropertyPane::paneWidth(metrics, online), "width");
    }

    void enteringAPageSizesTheColumn()
    {
        isOnline = true;
        PropertyPane::setMetricsSource([] { return Metrics{144, 23, 1920, 1017}; });
        makePanels();
        PropertyPane pane(nullptr, &m_panels);
        QCOMPARE(pane.pageStack()->count(), 3);

        m_scenes->loadScene(20);
        QCOMPARE(pane.pageStack()->currentWidget(), m_panels[20]);
        QCOMPARE(pane.scrollArea()->minimumWidth(), 715);
        QCOMPARE(pane.scrollArea()->maximumWidth(), 715);
        QCOMPARE(pane.height(), 1017 - 23);
        QCOMPARE(pane.scrollArea()->maximumHeight(), 1017 - 23);
        QCOMPARE(pane.pageStack()->size(), QSize(715, 900));

        // Home leaves the last panel shown; the next entry sizes again.
        m_scenes->loadScene(0);
        QCOMPARE(pane.pageStack()->currentWidget(), m_panels[20]);
        isOnline = false;
        m_scenes->loadScene(1);
        QCOMPARE(pane.pageStack()->currentWidget(), m_panels[1]);
        QCOMPARE(pane.scrollArea()->maximumWidth(), 625);
        QCOMPARE(pane.pageStack()->height(), 100);
        PropertyPane::setMetricsSource({});
    }

    // The pages take the pane's width, not that of the widest page, and an
    // item table narrows to end with the section titles, its scroll bar in
    // view.
    void everyPageFitsThePaneWidth()
    {
        isOnline = false;
        PropertyPane::setMetricsSource([] { return Metrics{96, 23, 1920, 1017}; });
        makePanels();
        auto* wide = new WidePanel;
        m_panels[30] = wide;
        m_panels[35] = new FakePanel(2000, 350); // taller than the pane
        PropertyPane pane(nullptr, &m_panels);
        const int paneWidth = 417;
        QVERIFY(wide->table->table()->width() > paneWidth); // as it would like to be
        m_scenes->loadScene(30);
        QTRY_VERIFY(m_scenes->state(30)->active());
        QCOMPARE(pane.pageStack()->width(), paneWidth);
        const int tableEnd = wide->table->mapTo(wide, QPoint(wide->table->table()->width(), 0)).x();
        QVERIFY2(tableEnd <= paneWidth - 20, qPrintable(QString::number(tableEnd)));
        m_scenes->loadScene(35);
        QTRY_VERIFY(m_scenes->state(35)->active());
        QCOMPARE(pane.pageStack()->width(),
                 paneWidth - pane.scrollArea()->verticalScrollBar()->sizeHint().width());
        m_scenes->loadScene(20);
        QTRY_VERIFY(m_scenes->state(20)->active());
        QCOMPARE(pane.pageStack()->width(), paneWidth);
        PropertyPane::setMetricsSource({});
    }

    // A page is first shown as it is shown again: its item tables narrow
    // inside their sections before the page is measured, so nothing scrolls
    // sideways the first time.
    void firstShowingEqualsALaterOne()
    {
        isOnline = false;
        PropertyPane::setMetricsSource([] { return Metrics{96, 23, 1920, 1017}; });
        makePanels();
        auto* panel = new SectionPanel;
        m_panels[30] = panel;
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        auto* pane = new PropertyPane(&window, &m_panels);
        row->addWidget(pane, 0, Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(enter(1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto shown = [&] {
            QApplication::processEvents();
            return QVector<int>{pane->pageStack()->width(), pane->pageStack()->height(),
                                panel->table->width(),
                                pane->scrollArea()->horizontalScrollBar()->maximum()};
        };
        QVERIFY(enter(30));
        const QVector<int> first = shown();
        QVERIFY(first[0] <= pane->scrollArea()->viewport()->width());
        QCOMPARE(first[3], 0);
        QVERIFY(enter(20) && enter(30));
        QCOMPARE(shown(), first);
        PropertyPane::setMetricsSource({});
    }

    // An item table that could not lay itself out while its page was out of
    // sight (it waited for its place, or the window asked it to while it was
    // hidden) does so before the pane measures the page: the page's height
    // is that of its tables as they show.
    void dueTablesAreLaidOutBeforeThePageIsMeasured()
    {
        isOnline = false;
        PropertyPane::setMetricsSource([] { return Metrics{96, 23, 1920, 1017}; });
        makePanels();
        auto* panel = new SectionPanel;
        m_panels[30] = panel;
        QVERIFY(enter(1));
        // Hidden, as the pane is when it sizes the first page ahead.
        PropertyPane pane(nullptr, &m_panels);
        QVERIFY(enter(30));
        const int first = pane.pageStack()->height();
        QCOMPARE(first, panel->sizeHint().height());

        QVERIFY(enter(1));
        panel->table->setHeaderText(0, QStringLiteral("Tool orientation\nmonitoring\nrange"));
        QVERIFY(QMetaObject::invokeMethod(panel->table, "layoutRequested"));
        QVERIFY(enter(30));
        QVERIFY(pane.pageStack()->height() > first);
        QCOMPARE(pane.pageStack()->height(), panel->sizeHint().height());
        PropertyPane::setMetricsSource({});
    }

    // A window smaller than the screen gives the pane less height than its
    // most: a page that fits the screen's height brings the vertical scroll
    // bar there, and narrows by it so that nothing scrolls sideways.
    void aShorterPaneNarrowsThePage()
    {
        isOnline = false;
        PropertyPane::setMetricsSource([] { return Metrics{96, 23, 1920, 1017}; });
        makePanels();
        // The pane stands in a window's row as in the main window, which
        // enters its first page before it is shown and keeps the height the
        // screen gives it.
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        row->setContentsMargins(0, 0, 0, 0);
        auto* pane = new PropertyPane(&window, &m_panels);
        auto* column = new QVBoxLayout;
        column->addWidget(pane, 1, Qt::AlignLeft | Qt::AlignTop);
        row->addLayout(column, 0);
        window.setFixedSize(500, 600);
        m_scenes->loadScene(1);
        QTRY_VERIFY(m_scenes->state(1)->active());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        m_scenes->loadScene(20);
        QTRY_VERIFY(m_scenes->state(20)->active());
        const QScrollArea* area = pane->scrollArea();
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(area->height() < 900);
        QCOMPARE(pane->pageStack()->width(), 417 - area->verticalScrollBar()->sizeHint().width());
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        PropertyPane::setMetricsSource({});
    }

    // The column has its page's size when the window is first laid out, so
    // that the function menu entering that page lays out nothing again.
    void firstLayoutHasThePageSize()
    {
        isOnline = false;
        PropertyPane::setMetricsSource([] { return Metrics{96, 23, 1920, 1017}; });
        makePanels();
        m_scenes->loadScene(0);
        QTRY_VERIFY(m_scenes->state(0)->active());
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        auto* pane = new PropertyPane(&window, &m_panels);
        row->addWidget(pane, 0, Qt::AlignLeft | Qt::AlignTop);
        window.show();
        const QRect first = pane->geometry();
        const QSize area = pane->scrollArea()->size();
        QCOMPARE(area.width(), 417);
        m_scenes->loadScene(1);
        QTRY_VERIFY(m_scenes->state(1)->active());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(pane->geometry(), first);
        QCOMPARE(pane->scrollArea()->size(), area);
        PropertyPane::setMetricsSource({});
    }

    // Laying out the window measures the page shown only: the others are
    // measured when they are entered, and the stack's hints follow the page.
    void onlyTheShownPageIsMeasured()
    {
        isOnline = false;
        PropertyPane::setMetricsSource([] { return Metrics{96, 23, 1920, 1017}; });
        makePanels();
        auto* tall = static_cast<FakePanel*>(m_panels[20]);
        PropertyPane pane(nullptr, &m_panels);
        m_scenes->loadScene(1);
        QTRY_VERIFY(m_scenes->state(1)->active());
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCOMPARE(tall->measured, 0);
        QCOMPARE(pane.pageStack()->sizeHint(), QSize(300, 100));

        m_scenes->loadScene(20);
        QTRY_VERIFY(m_scenes->state(20)->active());
        QVERIFY(tall->measured > 0);
        QCOMPARE(pane.pageStack()->sizeHint(), QSize(300, 900));
        PropertyPane::setMetricsSource({});
    }

    // In a window with a menu bar and a status line, the pane leaves room
    // for both and for a frame of a caption and a lower border, however tall
    // the menu bar is: the window with its frame fits the screen.
    void windowWithItsFrameFitsTheScreen_data()
    {
        QTest::addColumn<int>("menuBarHeight");
        QTest::newRow("menu bar as tall as a caption") << 23;
        QTest::newRow("taller menu bar") << 30;
    }
    void windowWithItsFrameFitsTheScreen()
    {
        QFETCH(int, menuBarHeight);
        const int caption = 23;
        const int screenHeight = 768;
        PropertyPane::setMetricsSource([] { return Metrics{96, caption, 1366, 768 - caption}; });
        makePanels();
        QMainWindow window;
        window.setMenuBar(new QMenuBar);
        window.menuBar()->addMenu(QStringLiteral("File"));
        window.menuBar()->setFixedHeight(menuBarHeight);
        window.setStatusBar(new QStatusBar);
        window.statusBar()->showMessage(QStringLiteral("Source: default.txt"));
        auto* pane = new PropertyPane(nullptr, &m_panels);
        window.setCentralWidget(pane);
        m_scenes->loadScene(20);
        QTRY_VERIFY(m_scenes->state(20)->active());
        const int lowerBorder = 4;
        QVERIFY2(window.minimumSizeHint().height() + caption + lowerBorder <= screenHeight,
                 qPrintable(QString::number(window.minimumSizeHint().height())));
        PropertyPane::setMetricsSource({});
    }

    void areaModelPageChecksTheCost()
    {
        makePanels();
        PropertyPane pane(nullptr, &m_panels);
        Parameter* store = Parameter::instance();
        int notices = 0;
        store->setCostOverNotice(
            [&notices](QWidget*, const QString&, const QString&) { ++notices; });
        m_areaModel->updates = 0;
        m_scenes->loadScene(23);
        QCOMPARE(notices, 0);
        QCOMPARE(m_areaModel->updates, 0);

        m_scenes->loadScene(0);
        fillToBudget(store->editImage(), 1);
        m_scenes->loadScene(23);
        QCOMPARE(notices, 1);
        QCOMPARE(m_areaModel->updates, 1);
        QVERIFY(store->costLeft() >= 0); // the areas were switched off
        store->setCostOverNotice(nullptr);
    }
};

QTEST_MAIN(TestPropertyPane)
#include "tst_propertypane.moc"
