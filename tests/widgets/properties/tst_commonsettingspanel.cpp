// The common settings page: names from the definitions, joint rows by the
// loaded set, the tool table with its read-only centre points, the tool ID
// screen's signal, the shared conversion entry warning, Apply and Cancel.

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/settingcommonproperty.h"
#include "widgets/spinbox.h"

using Property::SettingCommon;

namespace {
constexpr int FirstTcpBox = 1; // after the tolerance box
constexpr int FirstJointBox = 7;
} // namespace

class TestCommonSettingsPanel : public QObject, PanelTest<SettingCommon>
{
    Q_OBJECT

    SubMenuTable* m_tools = nullptr;
    ComboBox* m_spec = nullptr;
    SpinBox* m_entry = nullptr;
    QList<DoubleSpinBox*> m_boxes;

    QLabel* labelWith(const QString& text) const
    {
        for (QLabel* label : m_panel->findChildren<QLabel*>())
            if (label->text().contains(text))
                return label;
        return nullptr;
    }

private slots:
    void init()
    {
        // Joints 1 to 6 of the robot (rotary), 7 and 8 of device 1, joint 7
        // linear; tool 1 answers to 4, the others hold a fresh set's 0.
        ParameterImage image = defaultImage();
        for (int joint = 0; joint < 18; ++joint) {
            setI16(image, "Assignment", 0, joint, joint < 6 ? 1 : joint < 8 ? 2 : 0);
            setI16(image, "AxisType", 0, joint, joint == 6 ? 1 : 2);
        }
        QVERIFY(image.setF32(fieldNamed("StopJudgeDist"), 0, 6, 12.5f));
        setI16(image, "ToolIdSpec", 0, 0, 0);
        for (int tool = 0; tool < 32; ++tool)
            setI16(image, "ToolIDChngTable", 0, tool, tool == 0 ? 4 : 0);
        QVERIFY(image.setF32(fieldNamed("TCP_Z"), 0, 1, 150.f));
        open(image);
        m_tools = m_panel->findChild<SubMenuTable*>();
        m_spec = m_panel->findChild<ComboBox*>();
        m_entry = m_panel->findChild<SpinBox*>();
        m_boxes = m_panel->findChildren<DoubleSpinBox*>();
    }
    void cleanup() { delete m_panel; }

    void namesRowsAndReadOnlyValues()
    {
        // A row per joint in use, in its joint's unit.
        DoubleSpinBox* joint7 = m_boxes[FirstJointBox + 6];
        QCOMPARE(joint7->value(), 12.5);
        QCOMPARE(joint7->suffix(), QStringLiteral(" mm"));
        QCOMPARE(m_boxes[FirstJointBox]->suffix(), QStringLiteral(" deg"));
        QVERIFY(!m_boxes[FirstJointBox + 7]->isHidden() && m_boxes[FirstJointBox + 8]->isHidden());
        // A joint in no use shows its row while its value lies outside the
        // limits that mark the page.
        ParameterImage odd = m_store->editImage();
        QVERIFY(odd.setF32(fieldNamed("StopJudgeDist"), 0, 9, 500.f));
        loadMaster(m_store, odd);
        QVERIFY(!m_boxes[FirstJointBox + 9]->isHidden() && m_boxes[FirstJointBox + 8]->isHidden());
        QCOMPARE(m_boxes[FirstJointBox + 9]->value(), 500.0);
        QCOMPARE(m_store->editImage(), odd);

        // Tool 2: a fresh entry shows as it is, the centre point read-only;
        // the 3D view is told which tool's frame to mark.
        QSignalSpy redraws(m_store, &Parameter::selectionChanged);
        m_tools->setCurrentRow(1, false);
        QCOMPARE(m_store->m_selectedTool, 1);
        QCOMPARE(redraws.count(), 1);
        QCOMPARE(m_entry->value(), 0);
        QCOMPARE(m_boxes[FirstTcpBox + 2]->value(), 150.0);
        QVERIFY(!m_boxes[FirstTcpBox + 2]->isEnabled());
    }

    void editsApplyAndCancel()
    {
        QSignalSpy spec(m_panel, &SettingCommon::toolIdSpecChanged);
        m_spec->setCurrentIndex(1);
        QCOMPARE(spec.size(), 1);
        m_tools->setCurrentRow(2, false);
        m_entry->setValue(7);
        QCOMPARE(m_store->editImage().i16(fieldNamed("ToolIDChngTable"), 0, 2), qint16(7));
        QCOMPARE(m_entry->objectName(), QStringLiteral("form-changed"));
        QCOMPARE(rowColour(m_tools, 2), changedColour);
        m_boxes[FirstJointBox + 6]->setValue(20.0);
        QCOMPARE(m_store->editImage().f32(fieldNamed("StopJudgeDist"), 0, 6), 20.f);
        verifyApplyChangesOnly({{2724, 3564}, {3684, 3756}});
        QCOMPARE(rowColour(m_tools, 2), updatedColour);

        m_entry->setValue(9);
        verifyLeavingAsksAndKeepsOtherPages();
        QCOMPARE(m_entry->value(), 7);
        QCOMPARE(spec.size(), 1); // the applied choice stayed
    }

    // Two tools with one entry are named below the table; the value is
    // taken all the same. Entries outside 1..32 (the fresh 0s) are not
    // compared.
    void sharedEntriesWarnWithoutRefusing()
    {
        QVERIFY(!labelWith(QStringLiteral("hold the same value")));
        BoxAnswers boxes;
        m_tools->setCurrentRow(4, false);
        m_entry->setValue(4);
        QLabel* warning = labelWith(QStringLiteral("Tool 1, Tool 5 hold the same value 4."));
        QVERIFY(warning && !warning->isHidden());
        QVERIFY(boxes.titles.isEmpty());
        m_entry->setValue(5);
        QVERIFY(warning->isHidden());
    }
};

QTEST_MAIN(TestCommonSettingsPanel)
#include "tst_commonsettingspanel.moc"
