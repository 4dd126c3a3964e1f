// The joint monitoring page: constant ranges, sets, targets and their
// joints, the range editors, the findings, Apply and Cancel, and the live
// joint screen after Apply.

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "imagecells.h"
#include "monitoring/monitoringjoint.h"
#include "parameter/logicsignaldef.h"
#include "setpanelfixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/jointproperty.h"
#include "widgets/submenutable.h"

using Property::Joint;

namespace {
constexpr int section = 42636; // 18 sets of 228 bytes
constexpr int sectionEnd = section + 18 * 228;

QStringList columnTexts(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}
} // namespace

class TestJointPanel : public QObject, PanelTest<Joint>
{
    Q_OBJECT

    SubMenuTable* m_sets = nullptr;
    QTableWidget* m_constant = nullptr;
    QTableWidget* m_ranges = nullptr;
    ComboBox* m_target = nullptr;
    ComboBox* m_move = nullptr;
    DoubleSpinBox* m_lower = nullptr;
    DoubleSpinBox* m_upper = nullptr;
    QLabel* m_findings = nullptr;

    float limit(const char* name, int set, int joint) const
    {
        return m_store->editImage().f32(fieldNamed(name), set, joint);
    }

private slots:
    void initTestCase() { LogicSignalDef::initialize(); }

    void init()
    {
        ParameterImage image = defaultImage();
        assignRobotAndDevice(image);
        setI16(image, "AlwaysAxisValid", 0, 0, 1);
        setI16(image, "AlwaysAxisRangeValid", 0, 1, 1); // joint 2: -100 to 135
        QVERIFY(image.setF32(fieldNamed("AlwaysAxisRangeUlimit"), 0, 2, 2e6f));
        setI16(image, "SelectAxisValid", 0, 0, 1);
        setI16(image, "SelectAxisTargetRobot", 0, 1, 2);
        setI16(image, "SelectAxisRngValid", 0, 1, 1);
        QVERIFY(image.setF32(fieldNamed("SelectAxisRngLlimit"), 0, 1, -90.f));
        open(image);
        m_sets = m_panel->findChild<SubMenuTable*>();
        QList<QTableWidget*> tables;
        for (QTableWidget* table : m_panel->findChildren<QTableWidget*>())
            if (!m_sets->isAncestorOf(table))
                tables << table;
        m_constant = tables[0];
        m_ranges = tables[1];
        m_target = comboWith(m_panel, QStringLiteral("Robot"));
        m_move = comboWith(m_panel, QStringLiteral("Forbidden"));
        const QList<DoubleSpinBox*> boxes = m_panel->findChildren<DoubleSpinBox*>();
        m_lower = boxes[0];
        m_upper = boxes[1];
        m_findings = m_panel->findChild<QLabel*>(QStringLiteral("range-findings"));
        m_panel->show();
    }
    void cleanup() { delete m_panel; }

    void showsConstantRangesSetsAndTheTargetsJoints()
    {
        QCOMPARE(columnTexts(m_constant, 0), QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
        QCOMPARE(m_constant->item(1, 1)->text(), QStringLiteral("Enabled"));
        QCOMPARE(m_constant->item(1, 2)->text(), QStringLiteral("-100 deg"));
        // A read-only value outside its limits is marked as the editors are.
        QCOMPARE(m_constant->item(2, 3)->foreground().color(), QColor(255, 64, 64));
        QCOMPARE(m_constant->item(2, 3)->toolTip(),
                 QStringLiteral("Outside its limits -100000 to 100000"));
        QCOMPARE(m_constant->item(2, 2)->foreground().color(), plainColour);
        QVERIFY(m_sets->isEnabledChecked(0) && !m_sets->isEnabledChecked(1));
        QCOMPARE(m_target->currentText(), QStringLiteral("Robot"));
        QCOMPARE(columnTexts(m_ranges, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(m_ranges->item(1, 0)->checkState(), Qt::Checked);
        QCOMPARE(m_ranges->item(1, 2)->text(), QStringLiteral("-90 deg"));
        QVERIFY(m_findings->text().isEmpty());

        // The second set (disabled) aims at Device1 and its millimetre joints.
        m_sets->setCurrentRow(1, false);
        QCOMPARE(m_target->currentText(), QStringLiteral("Device1"));
        QCOMPARE(columnTexts(m_ranges, 0), QStringList({"7", "8"}));
        QCOMPARE(m_lower->suffix(), QStringLiteral(" mm"));
        QVERIFY(!m_target->isEnabled() && !m_lower->isEnabled() && !m_ranges->isEnabled());

        // A joint in no use is listed while its stored range lies outside
        // the limits that mark the page.
        ParameterImage odd = m_store->editImage();
        QVERIFY(odd.setF32(fieldNamed("AlwaysAxisRangeLlimit"), 0, 9, -2e6f));
        loadMaster(m_store, odd);
        QCOMPARE(columnTexts(m_constant, 0),
                 QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "10"}));
        QVERIFY(m_constant->item(8, 2)->text().startsWith(QStringLiteral("-2000000")));
        QCOMPARE(m_store->editImage(), odd);

        // A target that names no device offers no joint: the range editors
        // show no other joint's values.
        setI16(odd, "SelectAxisTargetRobot", 0, 0, 25);
        loadMaster(m_store, odd);
        QCOMPARE(m_ranges->rowCount(), 0);
        QVERIFY(m_move->currentText().isEmpty() && m_lower->text().isEmpty() &&
                m_upper->text().isEmpty());
        m_sets->setCurrentRow(1, false);
        QCOMPARE(m_lower->text(), QStringLiteral("0.0 mm"));
        QCOMPARE(m_store->editImage(), odd);
    }

    // A shown joint's odd values stand as stored, in the table and on the
    // editors, which stay open to a fix; nothing is written.
    void oddRangeValuesShowAsStored()
    {
        ParameterImage odd = m_store->editImage();
        setI16(odd, "SelectAxisRngValid", 0, 2, 2);
        setI16(odd, "SelectAxisRngMoveValid", 0, 2, 7);
        QVERIFY(odd.setF32(fieldNamed("SelectAxisRngLlimit"), 0, 2, qQNaN()));
        QVERIFY(odd.setF32(fieldNamed("SelectAxisRngUlimit"), 0, 2, 1e30f));
        loadMaster(m_store, odd);
        m_ranges->setCurrentCell(2, 0);
        QCOMPARE(m_ranges->item(2, 0)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(m_ranges->item(2, 1)->text(), QStringLiteral("7"));
        QCOMPARE(m_ranges->item(2, 2)->text(), QStringLiteral("nan deg"));
        QCOMPARE(m_ranges->item(2, 3)->foreground().color(), QColor(255, 64, 64));
        QCOMPARE(m_move->currentText(), QStringLiteral("7"));
        QCOMPARE(m_lower->text(), QStringLiteral("nan"));
        QVERIFY(m_upper->objectName().endsWith(QLatin1String("invalid")));
        QVERIFY(m_move->isEnabled() && m_lower->isEnabled() && m_upper->isEnabled());
        QVERIFY(m_findings->text().isEmpty()); // a NaN limit crosses nothing
        QCOMPARE(m_store->editImage(), odd);
    }

    // Target 0 offers no joint: the empty editors carry no mark; the set's
    // row does, with a tool tip that names the values the page hides. A
    // target with joints names only the joints it does not offer.
    void hiddenValuesMarkTheSetRow()
    {
        ParameterImage odd = m_store->editImage();
        setI16(odd, "SelectAxisTargetRobot", 0, 0, 0);
        QVERIFY(odd.setF32(fieldNamed("SelectAxisRngUlimit"), 0, 0, 2e6f));
        setI16(odd, "SelectAxisRngMoveValid", 0, 9, 7);
        loadMaster(m_store, odd);
        for (QWidget* editor : {static_cast<QWidget*>(m_move), static_cast<QWidget*>(m_lower),
                                static_cast<QWidget*>(m_upper)}) {
            QVERIFY2(!editor->objectName().endsWith(QLatin1String("invalid")),
                     qPrintable(editor->objectName()));
            QVERIFY(!editor->toolTip().contains(QLatin1String("Outside")));
        }
        QVERIFY(m_upper->text().isEmpty());
        QCOMPARE(rowColour(m_sets, 0), QColor(255, 64, 64));
        const QString hidden = m_sets->table()->item(0, 0)->toolTip();
        QCOMPARE(hidden, QStringLiteral("Outside their limits, not shown for this target:\n"
                                        "Joint 1 Joint Range Upper Limit: 2000000\n"
                                        "Joint 10 Permitted/Fobidden Joint Range: 7"));
        QVERIFY(m_sets->table()->item(1, 0)->toolTip().isEmpty());

        // The robot's joints are shown, and marked in the table, not named.
        setI16(odd, "SelectAxisTargetRobot", 0, 0, 1);
        loadMaster(m_store, odd);
        QVERIFY(m_upper->objectName().endsWith(QLatin1String("invalid")));
        QCOMPARE(m_sets->table()->item(0, 0)->toolTip(),
                 QStringLiteral("Outside their limits, not shown for this target:\n"
                                "Joint 10 Permitted/Fobidden Joint Range: 7"));
        QCOMPARE(m_store->editImage(), odd);
    }

    // Edits land in the selected joint's cells of the current set; Apply
    // and Cancel move only the page's cells.
    void editApplyCancel()
    {
        m_ranges->item(2, 0)->setCheckState(Qt::Checked); // joint 3 on
        QCOMPARE(m_store->editImage().i16(fieldNamed("SelectAxisRngValid"), 0, 2), qint16(1));
        m_ranges->setCurrentCell(2, 0);
        m_move->setCurrentIndex(1);
        m_lower->setValue(-12.5);
        m_upper->setValue(40);
        QCOMPARE(m_store->editImage().i16(fieldNamed("SelectAxisRngMoveValid"), 0, 2), qint16(1));
        QCOMPARE(limit("SelectAxisRngLlimit", 0, 2), -12.5f);
        QCOMPARE(limit("SelectAxisRngUlimit", 0, 2), 40.f);
        QCOMPARE(m_ranges->item(2, 3)->text(), QStringLiteral("40 deg"));
        QCOMPARE(rowColour(m_sets, 0), changedColour);
        QCOMPARE(m_ranges->item(2, 0)->foreground().color(), changedColour);
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(rowColour(m_sets, 0), updatedColour);

        emit m_sets->table()->cellClicked(4, 1); // set 5 on
        QVERIFY(m_store->editImage().i16(fieldNamed("SelectAxisValid"), 0, 4) == 1);
        verifyLeavingAsksAndKeepsOtherPages();
        QVERIFY(!m_sets->isEnabledChecked(4));
    }

    // Crossed limits and ranges beyond the constant range are pointed out
    // (marked in the table, spelt out for the selected joint) and still
    // stored; a switched-off range is not looked at.
    void findingsShowWithoutBlocking()
    {
        BoxAnswers boxes;
        m_ranges->setCurrentCell(1, 0);
        m_lower->setValue(-120);
        QCOMPARE(limit("SelectAxisRngLlimit", 0, 1), -120.f);
        const QString leaves =
            QStringLiteral("Joint 2: the range leaves the constant range -100 to 135 deg.");
        QCOMPARE(m_findings->text(), leaves);
        QCOMPARE(m_ranges->item(1, 4)->text(), QStringLiteral("!"));
        QCOMPARE(m_ranges->item(1, 4)->toolTip(), leaves);
        m_upper->setValue(100); // equal limits do not cross
        m_lower->setValue(100);
        QVERIFY(m_findings->text().isEmpty());
        m_lower->setValue(150);
        QVERIFY(m_findings->text().startsWith(
            QStringLiteral("Joint 2: the lower limit lies above the upper limit.")));
        m_ranges->item(1, 0)->setCheckState(Qt::Unchecked);
        QVERIFY(m_findings->text().isEmpty() && m_ranges->item(1, 4)->text().isEmpty());
        QVERIFY(boxes.titles.isEmpty());
    }

    void changingTheTargetWarnsOnceAndKeepsTheRanges()
    {
        BoxAnswers boxes;
        m_target->setCurrentIndex(m_target->findText(QStringLiteral("Device1")));
        QCOMPARE(boxes.titles.size(), 1);
        QCOMPARE(m_store->editImage().i16(fieldNamed("SelectAxisTargetRobot"), 0, 0), qint16(2));
        QCOMPARE(m_store->editImage().i16(fieldNamed("SelectAxisRngValid"), 0, 1), qint16(1));
        QCOMPARE(columnTexts(m_ranges, 0), QStringList({"7", "8"}));
        // Back to a target whose shown joints watch nothing: no box.
        m_target->setCurrentIndex(m_target->findText(QStringLiteral("Robot")));
        QCOMPARE(boxes.titles.size(), 1);
    }

    // Row 0 of the live joint screen is the constant range, then the sets.
    void theLiveJointScreenFollowsApply()
    {
        verifyScreenFollowsApply<MonitoringJoint>(m_panel, m_sets, 2, 3);
    }
};

QTEST_MAIN(TestJointPanel)
#include "tst_jointpanel.moc"
