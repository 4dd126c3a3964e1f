// The tool speed page: points per tool, enable and Visible, copy and paste
// of positions, marks, Apply and Cancel.

#include <QTableWidget>
#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/toolspeedproperty.h"
#include "widgets/submenutable.h"

using Property::ToolSpeed;

namespace {
constexpr int section = 47300; // 32 tools of 280 bytes
constexpr int sectionEnd = 56260;
} // namespace

class TestToolSpeedPanel : public QObject, PanelTest<ToolSpeed>
{
    Q_OBJECT

    SubMenuTable* m_tools = nullptr;
    SubMenuTable* m_points = nullptr;
    QList<DoubleSpinBox*> m_boxes;

    void select(int tool, int point)
    {
        m_tools->setCurrentRow(tool, false);
        m_points->setCurrentRow(point, false);
    }

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        for (int tool = 0; tool < 32; ++tool)
            for (int p = 0; p < 20; ++p)
                setI16(image, "ToolSpeedMonValid", tool, p, 0);
        setI16(image, "ToolSpeedMonValid", 4, 2, 1);
        image.setF32(fieldNamed("ToolSpeedMonX"), 4, 2, 10.5f);
        image.setF32(fieldNamed("ToolSpeedMonZ"), 4, 2, -250.f);
        open(image);
        const QList<SubMenuTable*> tables = m_panel->findChildren<SubMenuTable*>();
        m_tools = tables.value(0);
        m_points = tables.value(1);
        m_boxes = m_panel->findChildren<DoubleSpinBox*>();
    }
    void cleanup()
    {
        delete m_panel;
        m_store->setArmToolModelFlags(0, 0);
    }

    void valuesEnableAndVisible()
    {
        QVERIFY(!m_boxes[0]->isEnabled());
        select(4, 2);
        QCOMPARE(m_store->m_selectedTool, 4);
        QCOMPARE(m_store->m_selectedElement, 2);
        QCOMPARE(m_boxes[0]->value(), 10.5);
        QCOMPARE(m_boxes[2]->value(), -250.0);
        QVERIFY(m_boxes[0]->isEnabled() && m_points->isEnabledChecked(2));

        m_points->table()->cellClicked(2, 2); // Visible on
        QCOMPARE(m_store->m_toolSpeedPointFlags[4][2], quint8(1));
        m_points->table()->cellClicked(2, 1); // Enabled off
        QCOMPARE(m_store->editImage().i16(fieldNamed("ToolSpeedMonValid"), 4, 2), qint16(0));
        QVERIFY(!m_points->isVisibleChecked(2));
        QCOMPARE(m_store->m_toolSpeedPointFlags[4][2], quint8(0));
        QVERIFY(!m_boxes[0]->isEnabled());
        QCOMPARE(rowColour(m_points, 2), changedColour);
        QCOMPARE(rowColour(m_tools, 4), changedColour);
    }

    void pasteCopiesThePositionOnly()
    {
        select(4, 2);
        button("Copy")->click();
        QVERIFY(!button("Paste")->isEnabled());
        select(7, 19);
        button("Paste")->click();
        QCOMPARE(m_store->editImage().i16(fieldNamed("ToolSpeedMonValid"), 7, 19), qint16(0));
        QCOMPARE(m_store->editImage().f32(fieldNamed("ToolSpeedMonZ"), 7, 19), -250.f);
        const int block = section + 280 * 7;
        QVERIFY(differsOnlyIn(m_store->appliedImage(), m_store->editImage(),
                              {{block + 40 + 76, block + 40 + 80},
                               {block + 120 + 76, block + 120 + 80},
                               {block + 200 + 76, block + 200 + 80}}));
        // A point whose position alone changed is marked, current or not.
        m_points->setCurrentRow(0, false);
        QCOMPARE(rowColour(m_points, 19), changedColour);
    }

    void applyAndCancel()
    {
        select(4, 2);
        m_boxes[1]->setValue(0.004); // below the shown precision
        m_panel->updateUI();
        QCOMPARE(m_boxes[1]->objectName(), QStringLiteral("form-changed"));
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(rowColour(m_tools, 4), updatedColour);

        m_boxes[1]->setValue(3);
        m_panel->updateUI();
        verifyLeavingAsksAndKeepsOtherPages();
    }

    void newMasterDataShowsTheFirstPoint()
    {
        select(4, 2);
        loadMaster(m_store, m_store->editImage());
        QCOMPARE(m_tools->currentIndex(), 0);
        QCOMPARE(m_points->currentIndex(), 0);
        QCOMPARE(m_store->m_selectedTool, 4); // until the user selects again
    }
};

QTEST_MAIN(TestToolSpeedPanel)
#include "tst_toolspeedpanel.moc"
