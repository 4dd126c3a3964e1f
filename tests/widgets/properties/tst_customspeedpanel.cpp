// The custom speed monitoring page: sets, kinds, the limit's unit, the
// target joints, the points drawn in the 3D view, Apply and Cancel, and
// the live speed screen after Apply.

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <cmath>

#include "imagecells.h"
#include "monitoring/monitoringspeed.h"
#include "parameter/logicsignaldef.h"
#include "setpanelfixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/editstate.h"
#include "widgets/properties/customspeedproperty.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/submenutable.h"

using Property::CustomSpeed;

namespace {
constexpr int section = 56556; // 18 sets of 192 bytes
constexpr int sectionEnd = section + 18 * 192;
} // namespace

class TestCustomSpeedPanel : public QObject, PanelTest<CustomSpeed>
{
    Q_OBJECT

    SubMenuTable* m_sets = nullptr;
    ComboBox* m_target = nullptr;
    ComboBox* m_kind = nullptr;
    DoubleSpinBox* m_limit = nullptr;
    QList<CheckBox*> m_joints;

    QStringList shownJoints() const
    {
        QStringList shown;
        for (CheckBox* box : m_joints)
            if (box->isVisibleTo(m_panel))
                shown << box->text() + (box->isChecked() ? QStringLiteral("*") : QString());
        return shown;
    }

private slots:
    void initTestCase() { LogicSignalDef::initialize(); }

    void init()
    {
        ParameterImage image = defaultImage();
        assignRobotAndDevice(image);
        setI16(image, "UsrSpeedValid", 0, 0, 1);
        setI16(image, "UsrSpeedKind", 0, 0, 1);
        QVERIFY(image.setF32(fieldNamed("UsrSpeedUlimit"), 0, 0, 250.f));
        setI16(image, "UsrSpeedTargetAxis", 0, 0, 1);
        setI16(image, "UsrSpeedTargetAxis", 0, 2, 1);
        setI16(image, "UsrSpeedTargetRobot", 0, 1, 2);
        watchPoints(image, 0);
        open(image);
        m_sets = m_panel->findChild<SubMenuTable*>();
        m_target = comboWith(m_panel, QStringLiteral("Robot"));
        m_kind = comboWith(m_panel, QStringLiteral("3"));
        m_limit = m_panel->findChild<DoubleSpinBox*>();
        m_joints.clear();
        for (CheckBox* box : m_panel->findChildren<CheckBox*>())
            if (box->text().toInt() > 0)
                m_joints << box;
    }
    void cleanup() { delete m_panel; }

    void showsTheSetWithTheUnitOfItsTarget()
    {
        m_panel->show();
        QCOMPARE(m_kind->currentText(), QStringLiteral("1"));
        QCOMPARE(m_limit->value(), 250.0);
        QCOMPARE(m_limit->suffix(), QStringLiteral(" deg/s"));
        QCOMPARE(shownJoints(), QStringList({"1*", "2", "3*", "4", "5", "6"}));
        // Bits above a word's limit are not counted as watched points.
        QStringList labels;
        for (QLabel* label : m_panel->findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains(QStringLiteral("3 points on the arm and devices, 2 on tools")));
        QVERIFY(buttonWithText(m_panel, QStringLiteral("Monitoring Points..."))->isEnabled());
        m_sets->setCurrentRow(1, false);
        QCOMPARE(m_target->currentText(), QStringLiteral("Device1"));
        QCOMPARE(m_limit->suffix(), QStringLiteral(" mm/s"));
        QCOMPARE(shownJoints(), QStringList({"7", "8"}));
        QVERIFY(!m_limit->isEnabled() && !m_joints[6]->isEnabled());
        QVERIFY(!buttonWithText(m_panel, QStringLiteral("Monitoring Points..."))->isEnabled());
    }

    // While the page is shown the 3D view draws the current set's points of
    // both arm sets and of the selected tool; hiding gives the view back.
    void theWatchedPointsAreDrawnWhileShown()
    {
        m_store->m_speedPointSet = 1;
        m_store->m_selectedTool = 40; // no such tool
        m_store->m_armSpeedPointFlags[1][5] = 1;
        m_panel->show();
        QCOMPARE(m_store->m_speedPointSet, Parameter::BothSpeedPointSets);
        QCOMPARE(m_store->m_selectedTool, 0);
        const auto flags = [this](int set) {
            QString bits;
            for (int p = 0; p < 6; ++p)
                bits += QString::number(m_store->m_armSpeedPointFlags[set][p]);
            return bits;
        };
        QCOMPARE(flags(0), QStringLiteral("101000"));
        QCOMPARE(flags(1), QStringLiteral("010000"));
        QVERIFY(m_store->m_toolSpeedPointFlags[0][1] && !m_store->m_toolSpeedPointFlags[0][2]);
        m_sets->setCurrentRow(2, false); // watches nothing
        QCOMPARE(flags(0) + flags(1), QStringLiteral("000000000000"));
        m_panel->hide();
        QCOMPARE(m_store->m_speedPointSet, 1);
        QCOMPARE(m_store->m_selectedTool, 40);
        QCOMPARE(flags(1), QStringLiteral("000001"));
    }

    // The point words show nowhere on the page but in the dialog: the
    // button that opens it carries the editors' red mark and names them.
    void thePointsButtonNamesItsFindings()
    {
        watchEveryPoint(m_store->editImage(), 2);
        m_panel->show();
        QPushButton* points = button(QStringLiteral("Monitoring Points..."));
        QCOMPARE(points->objectName(), EditState::objectName(EditState::OutOfLimits));
        QCOMPARE(points->toolTip(),
                 QStringLiteral("Arm/Device Speed Monitoring Point Enable/Disable\n"
                                "Word 2: Outside its limits 0 to 1048575\n"
                                "Tool Speed Monitoring Point Enable/Disable\n"
                                "Tool 2: Outside its limits 0 to 2097151"));
        m_sets->setCurrentRow(1, false);
        QCOMPARE(points->objectName(), EditState::objectName(EditState::Equal));
        QVERIFY(points->toolTip().isEmpty());
        m_sets->setCurrentRow(2, false); // every bit of all 34 words
        const QStringList lines = points->toolTip().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2 + 34);
        QCOMPARE(lines.last(), QStringLiteral("Tool 32: Outside its limits 0 to 2097151"));
        QVERIFY(!points->isEnabled());
        QCOMPARE(points->objectName(), EditState::objectName(EditState::OutOfLimits));
    }

    void editApplyCancel()
    {
        m_panel->show();
        m_kind->setCurrentIndex(3);
        m_limit->setValue(12.5);
        m_joints[1]->click();
        QCOMPARE(m_store->editImage().i16(fieldNamed("UsrSpeedKind"), 0, 0), qint16(3));
        QCOMPARE(m_store->editImage().f32(fieldNamed("UsrSpeedUlimit"), 0, 0), 12.5f);
        QCOMPARE(m_store->editImage().i16(fieldNamed("UsrSpeedTargetAxis"), 0, 1), qint16(1));
        // The set's point masks hold bits past the 20 points: outside their
        // limits, which the row shows before the edit's blue and orange.
        const QColor outsideLimits = RowColours::of(EditState::OutOfLimits);
        QCOMPARE(rowColour(m_sets, 0), outsideLimits);
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(rowColour(m_sets, 0), outsideLimits);
        QCOMPARE(rowColour(m_sets, 1), RowColours::of(EditState::Equal));

        m_joints[0]->click();
        verifyLeavingAsksAndKeepsOtherPages();
        QVERIFY(m_joints[0]->isChecked());
    }

    // Rows 0 and 1 of the live speed screen are the mode limits, then the sets.
    void theLiveSpeedScreenFollowsApply()
    {
        verifyScreenFollowsApply<MonitoringSpeed>(m_panel, m_sets, 1, 3);
    }
};

QTEST_MAIN(TestCustomSpeedPanel)
#include "tst_customspeedpanel.moc"
