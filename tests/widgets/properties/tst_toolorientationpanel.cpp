// The tool orientation page: sets and ranges, the range check with its
// confirmation, display flags, Apply and Cancel.

#include <QTableWidget>
#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/toolorientationproperty.h"
#include "widgets/submenutable.h"

using Property::ToolOrientation;

namespace {
constexpr int section = 60012; // 8 sets of 84 bytes
constexpr int sectionEnd = 60684;
} // namespace

class TestToolOrientationPanel : public QObject, PanelTest<ToolOrientation>
{
    Q_OBJECT

    SubMenuTable* m_sets = nullptr;
    SubMenuTable* m_ranges = nullptr;
    QList<DoubleSpinBox*> m_angles;
    QList<CheckBox*> m_modes;
    ComboBox* m_category = nullptr;

    qint16 setValid(int set) const
    {
        return m_store->editImage().i16(fieldNamed("ToolOrientValid"), 0, set);
    }

private slots:
    void init()
    {
        // Set 1 with ranges 1 and 3; sets 3 and 5 enabled without a range.
        ParameterImage image = defaultImage();
        for (int set = 0; set < 8; ++set) {
            setI16(image, "ToolOrientValid", 0, set, set == 0 || set == 2 || set == 4);
            for (int range = 0; range < 5; ++range)
                setI16(image, "ToolOrientRngValid", set, range,
                       set == 0 && range % 2 == 0 && range < 4);
        }
        setI16(image, "ToolOrientTeachValid", 0, 0, 1);
        setI16(image, "ToolOrientStopCategory", 0, 0, 1);
        image.setF32(fieldNamed("ToolOrientRngHalftopAng"), 0, 0, 30.25f);
        image.setF32(fieldNamed("ToolOrientRngO"), 0, 0, -90.f);
        open(image);
        const QList<SubMenuTable*> tables = m_panel->findChildren<SubMenuTable*>();
        m_sets = tables.value(0);
        m_ranges = tables.value(1);
        m_angles = m_panel->findChildren<DoubleSpinBox*>();
        m_modes.clear();
        for (CheckBox* box : m_panel->findChildren<CheckBox*>())
            if (!m_sets->isAncestorOf(box) && !m_ranges->isAncestorOf(box))
                m_modes << box;
        m_category = m_panel->findChild<ComboBox*>();
    }
    void cleanup()
    {
        delete m_panel;
        m_store->markValidToolOrientations(false);
    }

    void valuesAndEnables()
    {
        QVERIFY(m_modes[0]->isChecked() && !m_modes[1]->isChecked());
        QCOMPARE(m_category->currentIndex(), 1);
        QCOMPARE(m_angles[0]->text(), QStringLiteral("30.3 deg"));
        QCOMPARE(m_angles[1]->value(), -90.0);
        QVERIFY(m_sets->isEnabledChecked(2) && !m_sets->isEnabledChecked(1));
        QVERIFY(m_ranges->isEnabledChecked(0) && !m_ranges->isEnabledChecked(1));
        QVERIFY(m_angles[0]->isEnabled());

        m_ranges->setCurrentRow(1, false); // an invalid range: no angles
        QVERIFY(!m_angles[0]->isEnabled() && m_modes[0]->isEnabled());
        m_sets->setCurrentRow(1, false); // a disabled set: nothing
        QVERIFY(!m_modes[0]->isEnabled() && !m_category->isEnabled() && !m_ranges->isEnabled());
    }

    void clearingTheLastRangeAsks()
    {
        BoxAnswers boxes;
        m_ranges->table()->cellClicked(0, 1); // range 1 off, range 3 left
        QVERIFY(boxes.titles.isEmpty());
        boxes.answers = {false};
        m_ranges->table()->cellClicked(2, 1); // the last one: No
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Change Confirmation")});
        QCOMPARE(boxes.texts.last(),
                 QStringLiteral("Since all the ranges 1-5 are invalid, the tool "
                                "orientation monitoring set 1 is disabled."));
        QCOMPARE(setValid(0), qint16(1));
        m_ranges->table()->cellClicked(2, 1); // on again: no question
        QCOMPARE(boxes.titles.size(), 1);
        m_ranges->table()->cellClicked(2, 1); // off: Yes
        QCOMPARE(boxes.titles.size(), 2);
        QCOMPARE(setValid(0), qint16(0));
        QVERIFY(!m_sets->isEnabledChecked(0) && !m_ranges->isEnabled());
    }

    void applyDisablesSetsWithoutRanges()
    {
        m_angles[0]->setValue(30.26); // below the shown precision
        m_panel->updateUI();
        QCOMPARE(m_angles[0]->objectName(), QStringLiteral("form-changed"));
        QCOMPARE(rowColour(m_sets, 0), changedColour);
        BoxAnswers boxes;
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(boxes.texts, QStringList{QStringLiteral(
                                  "Since all the ranges 1-5 are invalid, the tool orientation "
                                  "monitoring set 3, 5 is disabled.")});
        QCOMPARE(m_store->appliedImage().i16(fieldNamed("ToolOrientValid"), 0, 2), qint16(0));
        QCOMPARE(m_store->appliedImage().i16(fieldNamed("ToolOrientValid"), 0, 4), qint16(0));
        QVERIFY(m_store->editImage().areasEqual(m_store->appliedImage()));
        QCOMPARE(m_angles[0]->objectName(), QStringLiteral("form-updated"));
    }

    void cancelRestoresTheSection()
    {
        m_modes[2]->click();
        verifyLeavingAsksAndKeepsOtherPages();
        QCOMPARE(differingRanges(m_store->appliedImage(), m_store->editImage()),
                 ByteRanges({{56404, 56405}}));
        QVERIFY(!m_modes[2]->isChecked());
    }

    void rangeDisplayFlags()
    {
        m_ranges->table()->cellClicked(2, 2); // Visible of range 3
        QCOMPARE(m_store->m_toolOrientationFlags[0][2], quint8(1));
        m_ranges->table()->cellClicked(2, 1); // its Enabled off
        QCOMPARE(m_store->m_toolOrientationFlags[0][2], quint8(0));
        QVERIFY(!m_ranges->isVisibleChecked(2));
        // The edited range keeps its mark when another is current.
        m_ranges->setCurrentRow(0, false);
        QCOMPARE(rowColour(m_ranges, 2), changedColour);
        QCOMPARE(rowColour(m_ranges, 1), plainColour);
    }
};

QTEST_MAIN(TestToolOrientationPanel)
#include "tst_toolorientationpanel.moc"
