// The area model page: editors of the current area, the outline checks and
// their warnings, the cost check on enable and permitted/forbidden, the
// budget, the 3D selection and markers, Apply and Cancel, and the rows the
// robot owns under the split of the sets.

#include <QLabel>
#include <QtTest>

#include "app/core/startupstate.h"
#include "areamodelbudget.h"
#include "panelfixture.h"
#include "view3d/gizmo.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/areamodelproperty.h"
#include "widgets/properties/areaoutline.h"
#include "widgets/spinbox.h"
#include "widgets/submenutable.h"

using Property::AreaModel;

namespace {
constexpr int section = 40916;
constexpr int sectionEnd = 42452;
enum Box
{
    Upper = 0,
    Lower = 1,
    FirstVertex = 2, // X and Y of vertex v at 2 + 2v and 3 + 2v
};
} // namespace

class TestAreaModelPanel : public QObject, PanelTest<AreaModel>
{
    Q_OBJECT

    SubMenuTable* m_table = nullptr;
    QList<DoubleSpinBox*> m_boxes;
    ComboBox* m_moveValid = nullptr;
    SpinBox* m_count = nullptr;
    QLabel* m_warnings = nullptr;
    QLabel* m_budget = nullptr;

    void settle() { QCoreApplication::sendPostedEvents(m_panel, PropertyWidget::UpdateEventType); }
    void setCorners(ParameterImage& image, int area, const QVector<QPointF>& corners)
    {
        setI16(image, "MoveAreaVertexNum", 0, area, corners.size());
        for (int v = 0; v < corners.size(); ++v) {
            image.setF32(fieldNamed("MoveAreaX"), area, v, float(corners[v].x()));
            image.setF32(fieldNamed("MoveAreaY"), area, v, float(corners[v].y()));
        }
    }
    // No area, user arm model or tool model in use.
    static ParameterImage emptyImage()
    {
        ParameterImage image = defaultImage();
        for (int area = 0; area < 16; ++area)
            setI16(image, "MoveAreaValid", 0, area, 0);
        for (int k = 0; k < 20; ++k)
            setI16(image, "UsrArmModelCoordinateNo", 0, k, 0);
        for (int tool = 0; tool < 32; ++tool)
            for (int model = 0; model < 20; ++model)
                setI16(image, "ToolModelValid", tool, model, 0);
        return image;
    }
    void open(const ParameterImage& image)
    {
        PanelTest<AreaModel>::open(image);
        m_table = m_panel->findChild<SubMenuTable*>();
        m_boxes = m_panel->findChildren<DoubleSpinBox*>();
        m_moveValid = m_panel->findChild<ComboBox*>();
        m_count = m_panel->findChild<SpinBox*>();
        m_warnings = m_panel->findChild<QLabel*>(QStringLiteral("area-warning"));
        m_budget = m_panel->findChild<QLabel*>(QStringLiteral("area-budget"));
    }

private slots:
    void initTestCase() { noticeCostOverInBox(m_store, true); }
    void cleanupTestCase() { noticeCostOverInBox(m_store, false); }

    void init()
    {
        // Area 3: an enabled permitted L shape of 6 corners, 100 to 900 mm high.
        ParameterImage image = emptyImage();
        setI16(image, "MoveAreaValid", 0, 2, 1);
        setI16(image, "MoveAreaMoveValid", 0, 2, 1);
        setCorners(image, 2,
                   {{0, 0}, {2000, 0}, {2000, 1000}, {1000, 1000}, {1000, 2000}, {0, 2000}});
        image.setF32(fieldNamed("MoveAreaZulimit"), 0, 2, 900.f);
        image.setF32(fieldNamed("MoveAreaZllimit"), 0, 2, 100.f);
        open(image);
    }
    void cleanup()
    {
        delete m_panel;
        m_store->setModelVisibility(0, 0, 0);
        isVSFtoAFM = false;
    }

    void outlineChecks()
    {
        const AreaOutline square({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
        QVERIFY(square.isConvex() && !square.crossesItself() &&
                square.coincidingCorners().isEmpty());
        const AreaOutline bowTie({{0, 0}, {10, 10}, {10, 0}, {0, 10}});
        QVERIFY(bowTie.crossesItself());
        const AreaOutline arrow({{0, 0}, {10, 5}, {0, 10}, {3, 5}});
        QVERIFY(!arrow.isConvex() && !arrow.crossesItself());
        // A repeated corner (also the last on the first) is named once and
        // makes no crossing of its own; a corner on a far edge does cross.
        const AreaOutline repeated({{0, 0}, {10, 0}, {10, 0}, {10, 10}, {0, 0}});
        QCOMPARE(repeated.coincidingCorners(), QVector<int>({1, 4}));
        QVERIFY(!repeated.crossesItself() && repeated.isConvex());
        QVERIFY(AreaOutline({{0, 0}, {10, 0}, {5, 0}, {5, 10}}).crossesItself());
        QVERIFY(AreaOutline({{0, 0}, {5, 0}, {10, 0}, {10, 10}}).isConvex()); // straight run
        const AreaOutline undefined({{0, 0}, {qQNaN(), 0}, {0, 0}, {0, 0}});
        QVERIFY(undefined.coincidingCorners().isEmpty() && undefined.isConvex());
    }

    void editorsWarningsAndBudget()
    {
        m_table->setCurrentRow(2, false);
        QCOMPARE(m_store->m_selectedArea, 2);
        QCOMPARE(m_moveValid->currentText(), QStringLiteral("Permitted"));
        QCOMPARE(m_count->value(), 6);
        QCOMPARE(m_boxes[FirstVertex + 2]->value(), 2000.0);
        QVERIFY(m_boxes[FirstVertex + 11]->isEnabled());
        QVERIFY(!m_boxes[FirstVertex + 12]->isEnabled()); // vertex 7 of 6
        QCOMPARE(m_warnings->text(), QStringLiteral("The outline is not convex."));

        // Typing warns at once, without a box; the rows beyond keep values.
        BoxAnswers boxes;
        m_boxes[Upper]->setValue(50);
        QVERIFY(m_warnings->text().startsWith(QStringLiteral("Z upper limit lies below")));
        m_boxes[FirstVertex + 6]->setValue(1000); // vertex 4 onto vertex 3
        m_boxes[FirstVertex + 7]->setValue(1000);
        m_boxes[FirstVertex + 6]->setValue(2000);
        QVERIFY(m_warnings->text().contains(QStringLiteral("Vertices 3 and 4 coincide.")));
        m_boxes[FirstVertex + 6]->setValue(1000); // vertex 4 below edge 1-2
        m_boxes[FirstVertex + 7]->setValue(-500);
        QVERIFY(m_warnings->text().contains(QStringLiteral("The outline crosses itself.")));
        m_count->setValue(3);
        settle();
        QVERIFY(!m_boxes[FirstVertex + 6]->isEnabled());
        QCOMPARE(m_boxes[FirstVertex + 7]->value(), -500.0);
        QCOMPARE(m_warnings->text(), QStringLiteral("Z upper limit lies below Z lower limit."));
        QVERIFY(boxes.titles.isEmpty());
        QCOMPARE(rowColour(m_table, 2), changedColour);

        // A disabled area takes no edits and shows no warnings.
        m_table->setCurrentRow(5, false);
        QVERIFY(!m_boxes[Upper]->isEnabled() && !m_moveValid->isEnabled());
        QVERIFY(m_warnings->isHidden());
    }

    // Odd stored values show as they are: a vertex count of 9 opens every
    // corner, 1e30 and equal heights stand unwarned (equal is no wrong
    // order); an area whose switch holds 2 shows as enabled and marked but
    // takes no edits. Nothing is written.
    void oddStoredValuesShowAsStored()
    {
        ParameterImage odd = m_store->editImage();
        setI16(odd, "MoveAreaVertexNum", 0, 2, 9);
        QVERIFY(odd.setF32(fieldNamed("MoveAreaZulimit"), 0, 2, 100.f));
        QVERIFY(odd.setF32(fieldNamed("MoveAreaX"), 2, 7, 1e30f));
        setI16(odd, "MoveAreaValid", 0, 4, 2);
        loadMaster(m_store, odd);
        m_table->setCurrentRow(2, false);
        QCOMPARE(m_count->value(), 9);
        QCOMPARE(m_count->objectName(), QStringLiteral("form-invalid"));
        for (int box = FirstVertex; box < m_boxes.size(); ++box)
            QVERIFY(m_boxes[box]->isEnabled());
        QCOMPARE(m_boxes[FirstVertex + 14]->value(), double(1e30f));
        QCOMPARE(m_boxes[FirstVertex + 14]->objectName(), QStringLiteral("form-invalid"));
        QVERIFY(m_warnings->isHidden());

        m_table->setCurrentRow(4, false);
        QVERIFY(m_table->isEnabledChecked(4));
        QCOMPARE(rowColour(m_table, 4), QColor(255, 64, 64));
        QVERIFY(!m_moveValid->isEnabled() && !m_count->isEnabled() && !m_boxes[Upper]->isEnabled());
        QVERIFY(m_store->editImage() == odd);
    }

    // Tab goes down the page as it is drawn: the count, every corner, then
    // the two heights below them.
    void tabFollowsThePageTopToBottom()
    {
        QWidgetList expected{m_count};
        for (int i = FirstVertex; i < m_boxes.size(); ++i)
            expected << m_boxes[i];
        expected << m_boxes[Upper] << m_boxes[Lower];
        QWidgetList order;
        for (QWidget* widget = m_count; order.size() < expected.size();
             widget = widget->nextInFocusChain()) {
            if (expected.contains(widget) && !order.contains(widget))
                order << widget;
            QVERIFY(widget->nextInFocusChain() != m_count);
        }
        QCOMPARE(order, expected);
    }

    void costCheckRefusesOnlyRaisingChanges()
    {
        delete m_panel;
        ParameterImage image = emptyImage();
        fillToBudget(image, 0); // area 1 forbidding, area 2 permitting
        open(image);
        QCOMPARE(m_budget->text(), QStringLiteral("Remaining budget:\n0 of 1240"));
        BoxAnswers boxes;
        const ParameterImage before = m_store->editImage();
        m_table->table()->cellClicked(5, 1); // enable a sixth area: over
        settle();
        m_table->setCurrentRow(1, false);
        m_moveValid->setCurrentIndex(0); // permitted to forbidden: dearer
        settle();
        QCOMPARE(boxes.titles, QStringList({"Monitoring Area Error", "Monitoring Area Error"}));
        QVERIFY(m_store->editImage() == before);
        QVERIFY(!m_table->isEnabledChecked(5));
        QCOMPARE(m_moveValid->currentText(), QStringLiteral("Permitted"));
        QVERIFY(!barButton(m_panel, 0)->isEnabled());

        m_table->setCurrentRow(0, false);
        m_moveValid->setCurrentIndex(1); // forbidden to permitted: cheaper
        settle();
        m_table->table()->cellClicked(1, 1); // disable
        settle();
        QCOMPARE(boxes.titles.size(), 2);
        QCOMPARE(m_store->editImage().i16(fieldNamed("MoveAreaMoveValid"), 0, 0), qint16(1));
        QCOMPARE(m_store->editImage().i16(fieldNamed("MoveAreaValid"), 0, 1), qint16(0));
        QVERIFY(m_store->costLeft() > 0);
        QVERIFY(m_budget->text().endsWith(QString::number(m_store->costLeft()) + " of 1240"));
    }

    void selectionMarkersAndDisplay()
    {
        m_panel->show();
        m_table->setCurrentRow(2, false);
        m_table->table()->cellClicked(2, 2); // Visible
        QCOMPARE(m_store->m_areaModelFlags[2], quint8(1));
        QCOMPARE(m_store->m_areaModelFlags[0], quint8(0));
        QSignalSpy redraws(m_store, &Parameter::selectionChanged);
        emit qApp->focusChanged(nullptr, m_boxes[FirstVertex + 5]); // Y of vertex 3
        QCOMPARE(m_store->m_marker, quint8(3));
        QCOMPARE(m_store->m_markerIndex, 2);
        Matrix4::Matrix at;
        QVERIFY(Gizmo::markerMatrix(*m_store, m_store->m_robotFrames, 23, at));
        QCOMPARE(QVector<float>({at[12], at[13], at[14]}), QVector<float>({2000, 1000, 900}));
        emit qApp->focusChanged(nullptr, m_boxes[Lower]);
        QCOMPARE(m_store->m_marker, quint8(10));
        QCOMPARE(m_store->m_markerIndex, 9);
        const int before = redraws.size();
        m_boxes[FirstVertex]->setValue(-500); // the 3D view follows each edit
        QCOMPARE(redraws.size(), before + 1);
        // Disabling hides the area in the view; enabling again leaves it hidden.
        m_table->table()->cellClicked(2, 1);
        settle();
        QCOMPARE(m_store->m_areaModelFlags[2], quint8(0));
        m_table->table()->cellClicked(2, 1);
        settle();
        QVERIFY(!m_table->isVisibleChecked(2));
        m_panel->hide();
        QCOMPARE(m_store->m_marker, quint8(0));
    }

    void applyAndCancel()
    {
        m_table->setCurrentRow(2, false);
        m_boxes[Lower]->setValue(150.5);
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(rowColour(m_table, 2), updatedColour);
        for (CheckBox* box : m_panel->findChildren<CheckBox*>())
            if (box->text().startsWith(QLatin1String("Teach Mode")))
                box->click();
        settle();
        QVERIFY(barButton(m_panel, 1)->isEnabled());
        verifyLeavingAsksAndKeepsOtherPages();
    }

    void robotRowsAndOverBudgetEntry()
    {
        delete m_panel;
        isVSFtoAFM = true;
        ParameterImage image = m_store->editImage();
        fillToBudget(image, 0);
        open(image);
        QVERIFY(!m_table->table()->cellWidget(2, 1)->isEnabled());
        QVERIFY(m_table->table()->cellWidget(9, 1)->isEnabled());
        m_table->setCurrentRow(2, false);
        QVERIFY(!m_boxes[Upper]->isEnabled());

        // Entered over the budget: every area is switched off and shown so.
        BoxAnswers boxes;
        setI16(m_store->editImage(), "MoveAreaValid", 0, 12, 1);
        QVERIFY(m_store->checkAreaModelCost(true, m_panel));
        m_panel->updateUI();
        for (int area = 0; area < 16; ++area)
            QVERIFY(!m_table->isEnabledChecked(area));
        QCOMPARE(boxes.titles.size(), 1);
    }
};

QTEST_MAIN(TestAreaModelPanel)
#include "tst_areamodelpanel.moc"
