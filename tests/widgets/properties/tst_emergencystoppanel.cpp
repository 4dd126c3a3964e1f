// The emergency stop page: the pendant, panel and external stops, the
// read-only target, the user stops with targets within their limits,
// Apply, Cancel and the live emergency stop screen following Apply.

#include <QTableWidget>
#include <QtTest>

#include "panelfixture.h"
#include "stoppagefixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/label.h"
#include "widgets/properties/emergencystopproperty.h"

using Property::EmergencyStop;

namespace {
constexpr int emergencyStopScreen = 13;

// The combo boxes in page order.
enum Combo
{
    Pendant,
    Panel,
    External,
    UserCategory,
    UserTarget,
};
} // namespace

class TestEmergencyStopPanel : public QObject, PanelTest<EmergencyStop>
{
    Q_OBJECT

    SubMenuTable* m_table = nullptr;
    CheckBox* m_external = nullptr;
    QList<ComboBox*> m_combos;

    qint16 cell(const char* name, int item = 0) const
    {
        return m_store->editImage().i16(fieldNamed(name), 0, item);
    }

private slots:
    void init()
    {
        // Robot, device 1 and device 5 in use; the external stop off; user
        // stop 1 on for the robot.
        ParameterImage image = defaultImage();
        assignThreeDevices(image);
        setI16(image, "EmeStopTPStopCategory", 0, 0, 1);
        setI16(image, "EmeStopExternalValid", 0, 0, 0);
        setI16(image, "EmeStopPnl/ExtTargetRobot", 0, 0, 1);
        for (int item = 0; item < 18; ++item) {
            setI16(image, "EmeStopUsrValid", 0, item, item == 0 ? 1 : 0);
            setI16(image, "EmeStopUsrStopTargetRobot", 0, item, 1);
        }
        open(image);
        m_table = m_panel->findChild<SubMenuTable*>();
        for (CheckBox* box : m_panel->findChildren<CheckBox*>())
            if (!m_table->isAncestorOf(box))
                m_external = box;
        m_combos = m_panel->findChildren<ComboBox*>();
    }
    void cleanup() { delete m_panel; }

    void stopsTargetsAndTheExternalSwitch()
    {
        QCOMPARE(m_combos[Pendant]->currentText(), QStringLiteral("Stop Category 1"));
        QCOMPARE(m_panel->findChild<Label*>()->text(), QStringLiteral("Robot"));
        // Device 5 is beyond what a user stop may target.
        QCOMPARE(itemTexts(m_combos[UserTarget]), QStringList({"Robot", "Device1"}));
        QVERIFY(!m_combos[External]->isEnabled());
        m_external->click();
        QVERIFY(m_combos[External]->isEnabled());
        m_combos[External]->setCurrentIndex(1);
        QCOMPARE(cell("EmeStopExtStopCategory"), qint16(1));
    }

    void applyFeedsTheScreenAndCancelKeepsOtherPages()
    {
        const LiveScreen screen(emergencyStopScreen);
        QVERIFY(!screen.rowEnabled(0) && screen.rowEnabled(1) && !screen.rowEnabled(2));

        m_combos[Panel]->setCurrentIndex(1);
        m_external->click();
        m_table->table()->cellClicked(1, 1); // user stop 2 on
        m_combos[UserTarget]->setCurrentIndex(1);
        QCOMPARE(cell("EmeStopUsrStopTargetRobot", 1), qint16(2));
        verifyApplyChangesOnly({{61772, 61774}, {61776, 61778}, {61780, 61784}, {61788, 61932}});
        QVERIFY(screen.rowEnabled(0) && screen.rowEnabled(1) && screen.rowEnabled(2));

        m_combos[Pendant]->setCurrentIndex(0);
        verifyLeavingAsksAndKeepsOtherPages();
        QCOMPARE(cell("EmeStopTPStopCategory"), qint16(1));
        QCOMPARE(cell("EmeStopPanelStopCategory"), qint16(1));
    }
};

QTEST_MAIN(TestEmergencyStopPanel)
#include "tst_emergencystoppanel.moc"
