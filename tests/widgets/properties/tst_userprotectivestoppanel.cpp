// The user protective stop page: items with their modes, category and
// target, values without a name kept as they are, index guards, Apply and
// Cancel, and the live protective stop screen following Apply.

#include <QTableWidget>
#include <QtTest>

#include "panelfixture.h"
#include "stoppagefixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/properties/protectivestopuserprotectivestopproperty.h"

using Property::ProtectiveStopUserProtectiveStop;

namespace {
constexpr int section = 61556; // 18 items of 12 bytes
constexpr int sectionEnd = 61772;
constexpr int protectiveStopScreen = 12;
} // namespace

class TestUserProtectiveStopPanel : public QObject, PanelTest<ProtectiveStopUserProtectiveStop>
{
    Q_OBJECT

    SubMenuTable* m_table = nullptr;
    QList<CheckBox*> m_modes;
    ComboBox* m_category = nullptr;
    ComboBox* m_target = nullptr;

    qint16 cell(const char* name, int item) const
    {
        return m_store->editImage().i16(fieldNamed(name), 0, item);
    }

private slots:
    void init()
    {
        // Robot, device 1 and device 5 in use. Item 1 on in teach mode with
        // the robot; item 2 on with category 2 and target 25, which nothing
        // names; item 3 off.
        ParameterImage image = defaultImage();
        assignThreeDevices(image);
        for (int item = 0; item < 18; ++item)
            for (const char* name :
                 {"ProtStopUsrValid", "ProtStopUsrTeachValid", "ProtStopUsrCheckFastValid",
                  "ProtStopUsrRepeatValid", "ProtStopUsrStopCategory", "ProtStopUsrTargetRobot"})
                setI16(image, name, 0, item, 0);
        setI16(image, "ProtStopUsrValid", 0, 0, 1);
        setI16(image, "ProtStopUsrTeachValid", 0, 0, 1);
        setI16(image, "ProtStopUsrTargetRobot", 0, 0, 1);
        setI16(image, "ProtStopUsrValid", 0, 1, 1);
        setI16(image, "ProtStopUsrStopCategory", 0, 1, 2);
        setI16(image, "ProtStopUsrTargetRobot", 0, 1, 25);
        open(image);
        m_table = m_panel->findChild<SubMenuTable*>();
        m_modes.clear();
        for (CheckBox* box : m_panel->findChildren<CheckBox*>())
            if (!m_table->isAncestorOf(box))
                m_modes << box;
        const QList<ComboBox*> combos = m_panel->findChildren<ComboBox*>();
        m_category = combos.value(0);
        m_target = combos.value(1);
    }
    void cleanup() { delete m_panel; }

    // Values without a name show as they are until the user picks another;
    // a disabled item disables its editors; a stray index writes nothing.
    void itemsOddValuesAndGuards()
    {
        QVERIFY(m_modes[0]->isChecked() && !m_modes[1]->isChecked());
        QCOMPARE(itemTexts(m_target), QStringList({"Robot", "Device1", "Device5"}));
        m_table->setCurrentRow(2, false);
        QVERIFY(!m_category->isEnabled() && !m_target->isEnabled() && !m_modes[2]->isEnabled());

        BoxAnswers boxes;
        const ParameterImage before = m_store->editImage();
        emit m_table->currentIndexChanged(18);
        emit m_table->enabledStateChanged(1, 18);
        emit m_table->enabledStateChanged(1, -1);
        m_table->setCurrentRow(1, false);
        QCOMPARE(m_category->currentText(), QStringLiteral("2"));
        QCOMPARE(m_target->currentText(), QStringLiteral("25"));
        QVERIFY(m_store->editImage() == before);
        m_target->setCurrentIndex(1);
        QVERIFY(boxes.titles.isEmpty()); // no joints of the old target are left behind
        QCOMPARE(cell("ProtStopUsrTargetRobot", 1), qint16(2));
        QCOMPARE(cell("ProtStopUsrStopCategory", 1), qint16(2)); // kept
        m_category->setCurrentIndex(0);
        QCOMPARE(cell("ProtStopUsrStopCategory", 1), qint16(0));
        QCOMPARE(rowColour(m_table, 1), changedColour);
    }

    // Choosing only another target is an edit: Apply opens and leaving asks.
    void aTargetAloneIsAnEdit()
    {
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
        m_target->setCurrentIndex(m_target->findText(QStringLiteral("Device5")));
        QCOMPARE(cell("ProtStopUsrTargetRobot", 0), qint16(6));
        QVERIFY(barButton(m_panel, 0)->isEnabled());
        BoxAnswers boxes;
        boxes.answers = {false};
        QVERIFY(!m_panel->requestClose());
        QCOMPARE(boxes.titles.size(), 1);
    }

    // Switch words of 2 and 3 are not off: the item shows as enabled, its
    // editors open, the mode partly checked, all marked; nothing is written.
    void oddSwitchesShowAsStored()
    {
        ParameterImage odd = m_store->editImage();
        setI16(odd, "ProtStopUsrValid", 0, 2, 2);
        setI16(odd, "ProtStopUsrRepeatValid", 0, 2, 3);
        loadMaster(m_store, odd);
        m_table->setCurrentRow(2, false);
        QVERIFY(m_table->isEnabledChecked(2));
        QVERIFY(m_category->isEnabled() && m_target->isEnabled() && m_modes[2]->isEnabled());
        QCOMPARE(m_modes[2]->checkState(), Qt::PartiallyChecked);
        QCOMPARE(m_modes[2]->objectName(), QStringLiteral("form-invalid"));
        QCOMPARE(rowColour(m_table, 2), QColor(255, 64, 64));
        QVERIFY(m_store->editImage() == odd);
    }

    void applyFeedsTheScreenAndCancelKeepsOtherPages()
    {
        const LiveScreen screen(protectiveStopScreen);
        QVERIFY(screen.rowEnabled(1) && screen.rowEnabled(2));

        m_table->table()->cellClicked(0, 1); // item 1 off
        m_modes[2]->click();                 // not reachable while off
        QCOMPARE(cell("ProtStopUsrValid", 0), qint16(0));
        QCOMPARE(cell("ProtStopUsrRepeatValid", 0), qint16(0));
        QVERIFY(screen.rowEnabled(1)); // the screen shows the applied set
        verifyApplyChangesOnly({{section, sectionEnd}});
        QVERIFY(!screen.rowEnabled(1) && !screen.rowEnabled(2) && screen.rowEnabled(3));

        m_table->table()->cellClicked(0, 1);
        QVERIFY(m_modes[2]->isEnabled());
        m_modes[2]->click();
        verifyLeavingAsksAndKeepsOtherPages();
        QCOMPARE(cell("ProtStopUsrValid", 0), qint16(0));
        QCOMPARE(cell("ProtStopUsrRepeatValid", 0), qint16(0));
    }
};

QTEST_MAIN(TestUserProtectiveStopPanel)
#include "tst_userprotectivestoppanel.moc"
