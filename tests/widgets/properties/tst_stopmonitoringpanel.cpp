// The stop monitoring page: items, targets and joints, marks, Apply,
// Cancel, and targets or joints that the lists do not hold.

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/diffcombobox.h"
#include "widgets/label.h"
#include "widgets/properties/stopmonitoringproperty.h"
#include "widgets/submenutable.h"
#include "widgets/toggleswitch.h"

using Property::StopMonitoring;

namespace {
constexpr int section = 60684; // 18 items of 48 bytes
constexpr int reservedWord = section + 10;
} // namespace

class TestStopMonitoringPanel : public QObject, PanelTest<StopMonitoring>
{
    Q_OBJECT

    SubMenuTable* m_table = nullptr;
    QList<CheckBox*> m_modes;
    ComboBox* m_device = nullptr;
    DiffComboBox* m_joint = nullptr;
    ToggleSwitch* m_switch = nullptr;
    Label* m_threshold = nullptr;

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        for (int joint = 0; joint < 18; ++joint) {
            setI16(image, "Assignment", 0, joint, joint < 6 ? 1 : joint < 8 ? 2 : 0);
            setI16(image, "AxisType", 0, joint, 2);
        }
        QVERIFY(image.setF32(fieldNamed("StopJudgeDist"), 0, 1, 3.5f));
        for (int item = 0; item < 18; ++item)
            for (const char* name : {"StopMonValid", "StopMonTeachValid", "StopMonCheckFastValid",
                                     "StopMonRepeatValid", "StopMonTargetRobot"})
                setI16(image, name, 0, item, 0);
        setI16(image, "StopMonValid", 0, 0, 1);
        setI16(image, "StopMonTeachValid", 0, 0, 1);
        setI16(image, "StopMonTargetRobot", 0, 0, 1);
        setI16(image, "StopMonTargetRobot", 0, 1, 2);
        for (int joint = 0; joint < 18; ++joint)
            setI16(image, "StopMonTargetAxis", 0, joint, joint < 2 ? 1 : 0);
        image.setI16At(reservedWord, 77);
        open(image);
        m_table = m_panel->findChild<SubMenuTable*>();
        m_modes.clear();
        for (CheckBox* box : m_panel->findChildren<CheckBox*>())
            if (!m_table->isAncestorOf(box))
                m_modes << box;
        m_device = m_panel->findChild<ComboBox*>();
        m_joint = m_panel->findChild<DiffComboBox*>();
        m_switch = m_panel->findChild<ToggleSwitch*>();
        for (Label* label : m_panel->findChildren<Label*>())
            m_threshold = label;
    }
    void cleanup() { delete m_panel; }

    void itemValuesAndTexts()
    {
        QVERIFY(m_modes[0]->isChecked() && !m_modes[1]->isChecked());
        QCOMPARE(m_device->currentText(), QStringLiteral("Robot"));
        QCOMPARE(itemTexts(m_joint), QStringList({"1", "2", "3", "4", "5", "6"}));
        QVERIFY(m_switch->isChecked() && m_switch->isEnabled());
        QCOMPARE(m_switch->text(), QStringLiteral("Enabled"));

        m_joint->setCurrentIndex(1);
        QCOMPARE(m_threshold->text(), QStringLiteral("3.5 deg"));
        m_joint->setCurrentIndex(2);
        QVERIFY(!m_switch->isChecked());
        QCOMPARE(m_switch->text(), QStringLiteral("CheckBox disableJoint"));

        // Another item with another target: its joints, no warning; a
        // disabled item disables its editors.
        BoxAnswers boxes;
        m_table->setCurrentRow(1, false);
        QCOMPARE(m_device->currentText(), QStringLiteral("Device1"));
        QCOMPARE(itemTexts(m_joint), QStringList({"7", "8"}));
        QVERIFY(!m_device->isEnabled() && !m_switch->isEnabled() && !m_modes[0]->isEnabled());
        QVERIFY(boxes.titles.isEmpty());
    }

    void editApplyCancel()
    {
        m_joint->setCurrentIndex(2);
        m_switch->click(); // joint 3 of item 1 on
        QCOMPARE(m_store->editImage().i16(fieldNamed("StopMonTargetAxis"), 0, 2), qint16(1));
        QCOMPARE(m_switch->objectName(), QStringLiteral("form-changed"));
        QCOMPARE(rowColour(m_table, 0), changedColour);
        verifyApplyChangesOnly({{section, section + 864}});
        QCOMPARE(m_switch->objectName(), QStringLiteral("form-updated"));
        QCOMPARE(m_joint->currentIndex(), 2); // the remembered joint

        m_modes[2]->click();
        verifyLeavingAsksAndKeepsOtherPages();
        QVERIFY(!m_modes[2]->isChecked());
    }

    void changingTheTargetWarnsOnceAndKeepsTheJoints()
    {
        BoxAnswers boxes;
        m_device->setCurrentIndex(1); // as chosen: Device1
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Change Confirmation")});
        QCOMPARE(m_store->editImage().i16(fieldNamed("StopMonTargetRobot"), 0, 0), qint16(2));
        QCOMPARE(m_store->editImage().i16(fieldNamed("StopMonTargetAxis"), 0, 0), qint16(1));
        QCOMPARE(itemTexts(m_joint), QStringList({"7", "8"}));
        QCOMPARE(m_device->objectName(), QStringLiteral("form-select-changed"));
    }

    // A stored target that names no listed device shows as it is, offers no
    // joints and lets nothing of another target be edited; a joint outside
    // 1..18 writes nothing, least of all the reserved word.
    void unknownTargetsAndJointsEditNothing()
    {
        setI16(m_store->editImage(), "StopMonTargetRobot", 0, 2, 0);
        setI16(m_store->editImage(), "StopMonValid", 0, 2, 1);
        loadMaster(m_store, m_store->editImage());
        const ParameterImage before = m_store->editImage();
        m_table->setCurrentRow(2, false);
        QCOMPARE(m_device->currentText(), QStringLiteral("0"));
        QVERIFY(itemTexts(m_joint).isEmpty());
        QVERIFY(!m_switch->isEnabled());
        m_switch->click();
        m_panel->setEnableJoint(-1, 1);
        m_panel->setEnableJoint(18, 1);
        m_panel->setEnableFunc(18, 1);
        QVERIFY(m_store->editImage() == before);
        QCOMPARE(m_store->editImage().i16At(reservedWord), qint16(77));
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
    }
};

QTEST_MAIN(TestStopMonitoringPanel)
#include "tst_stopmonitoringpanel.moc"
