// The arm speed page: the maker set read-only, the axis and coordinate
// choice, copy and paste of points, display flags, Apply and Cancel.

#include <QApplication>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/axistocoordinateno.h"
#include "widgets/buttonprimary.h"
#include "widgets/combobox.h"
#include "widgets/diffcombobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/armdevicespeedproperty.h"
#include "widgets/submenutable.h"

using Property::ArmSpeed;

namespace {
constexpr int userBegin = 47020; // ArmSpeedCoordiNo .. ArmSpeedUsrZ
constexpr int userEnd = 47300;
} // namespace

class TestArmSpeedPanel : public QObject, PanelTest<ArmSpeed>
{
    Q_OBJECT

    SubMenuTable* m_table = nullptr;
    ComboBox* m_set = nullptr;
    ComboBox* m_axis = nullptr;
    ComboBox* m_coordinate = nullptr;
    QList<DoubleSpinBox*> m_boxes;

    qint16 userCoordinate(int point) const
    {
        return m_store->editImage().i16(fieldNamed("ArmSpeedCoordiNo"), 0, point);
    }

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        // Systems 1..6 on axes 1..6, systems 7 and 8 on axis 3, the rest none.
        for (int c = 0; c < 50; ++c)
            setI16(image, "DHPrmAxisNo", 0, c, c < 6 ? c + 1 : c < 8 ? 3 : 0);
        for (int p = 0; p < 20; ++p) {
            setI16(image, "ArmSpeedMkrCoordiNo", 0, p, 0);
            setI16(image, "ArmSpeedCoordiNo", 0, p, 0);
        }
        setI16(image, "ArmSpeedMkrCoordiNo", 0, 2, 4);
        image.setF32(fieldNamed("ArmSpeedMkrX"), 0, 2, 1.5f);
        image.setF32(fieldNamed("ArmSpeedMkrZ"), 0, 2, -30.f);
        setI16(image, "ArmSpeedCoordiNo", 0, 6, 7);
        image.setF32(fieldNamed("ArmSpeedUsrX"), 0, 6, 12.f);
        open(image);
        m_table = m_panel->findChild<SubMenuTable*>();
        const QList<ComboBox*> combos = m_panel->findChildren<ComboBox*>();
        m_set = combos.value(0);
        m_axis = combos.value(1);
        m_coordinate = combos.value(2);
        m_boxes = m_panel->findChildren<DoubleSpinBox*>();
    }
    void cleanup() { delete m_panel; }

    void makerSetIsReadOnly()
    {
        QCOMPARE(itemTexts(m_set), QStringList({"Item Category Maker", "Item Category User"}));
        QCOMPARE(itemTexts(m_axis), QStringList({"Invalid", "1", "2", "3", "4", "5", "6"}));
        m_table->setCurrentRow(2, false);
        QCOMPARE(m_store->m_selectedElement, 2);
        QCOMPARE(m_axis->currentText(), QStringLiteral("4"));
        QCOMPARE(m_coordinate->currentText(), QStringLiteral("4"));
        QCOMPARE(m_boxes[0]->value(), 1.5);
        QCOMPARE(m_boxes[2]->value(), -30.0);
        QVERIFY(!m_axis->isEnabled() && !m_coordinate->isEnabled());
        for (DoubleSpinBox* box : m_boxes)
            QVERIFY(!box->isEnabled());
        QVERIFY(button("Copy")->isEnabled());
        button("Copy")->click();
        QVERIFY(!button("Paste")->isEnabled());
        // Nothing reaches the maker set, even when asked directly.
        const ParameterImage before = m_store->editImage();
        m_panel->setPoint(0, 99.0);
        m_panel->paste();
        QVERIFY(m_store->editImage() == before);
    }

    void copyingAPointChangesExactlyTheTarget()
    {
        m_table->setCurrentRow(2, false);
        button("Copy")->click();
        m_set->setCurrentIndex(1);
        QCOMPARE(m_store->m_speedPointSet, 1);
        m_table->setCurrentRow(6, false);
        QVERIFY(button("Paste")->isEnabled());
        button("Paste")->click();
        QCOMPARE(userCoordinate(6), qint16(4));
        QCOMPARE(m_boxes[0]->value(), 1.5);
        QCOMPARE(m_store->editImage().f32(fieldNamed("ArmSpeedUsrZ"), 0, 6), -30.f);
        // Nothing but the target point's four cells.
        QVERIFY(differsOnlyIn(m_store->appliedImage(), m_store->editImage(),
                              {{userBegin + 12, userBegin + 14},
                               {47060 + 24, 47060 + 28},
                               {47140 + 24, 47140 + 28},
                               {47220 + 24, 47220 + 28}}));
        QCOMPARE(m_coordinate->objectName(), QStringLiteral("form-select-changed"));
        QCOMPARE(rowColour(m_table, 6), changedColour);

        button("Copy")->click();
        QVERIFY(!button("Paste")->isEnabled()); // onto itself
    }

    void axisAndCoordinateChoice()
    {
        m_set->setCurrentIndex(1);
        m_table->setCurrentRow(6, false);
        QCOMPARE(m_axis->currentText(), QStringLiteral("3"));
        QCOMPARE(itemTexts(m_coordinate), QStringList({"3", "7", "8"}));
        QCOMPARE(m_coordinate->currentText(), QStringLiteral("7"));
        QVERIFY(m_boxes[0]->isEnabled());

        m_coordinate->setCurrentIndex(2);
        QCOMPARE(userCoordinate(6), qint16(8));
        m_axis->setCurrentIndex(0); // "Invalid"
        QCOMPARE(userCoordinate(6), qint16(0));
        QCOMPARE(itemTexts(m_coordinate), QStringList({"Invalid"}));
        QVERIFY(!m_boxes[0]->isEnabled());
        m_axis->setCurrentIndex(3); // axis 3: its first system
        QCOMPARE(userCoordinate(6), qint16(3));
    }

    void coordinateDialog()
    {
        m_set->setCurrentIndex(1);
        m_table->setCurrentRow(6, false);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<AxisToCoordinateNo*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->coordinateComboBox()->currentText(), QStringLiteral("7"));
            dialog->coordinateComboBox()->setCurrentIndex(2);
            dialog->okButton()->click();
        });
        m_panel->coordinateNoSettingClicked();
        QCOMPARE(userCoordinate(6), qint16(8));
        QCOMPARE(m_coordinate->currentText(), QStringLiteral("8"));
    }

    void visibleBoxesPerSetAndFlags()
    {
        m_set->setCurrentIndex(1);
        m_table->setVisibleChecked(6, true);
        m_table->setVisibleChecked(0, true); // no coordinate system: never drawn
        QCOMPARE(m_store->m_armSpeedPointFlags[1][6], quint8(1));
        QCOMPARE(m_store->m_armSpeedPointFlags[1][0], quint8(0));
        m_set->setCurrentIndex(0);
        QVERIFY(!m_table->isVisibleChecked(6));
        QCOMPARE(m_store->m_armSpeedPointFlags[1][6], quint8(0));
        m_table->setVisibleChecked(2, true);
        QCOMPARE(m_store->m_armSpeedPointFlags[0][2], quint8(1));
        m_set->setCurrentIndex(1);
        QVERIFY(m_table->isVisibleChecked(6) && !m_table->isVisibleChecked(2));
        QCOMPARE(m_store->m_armSpeedPointFlags[0][2], quint8(0));
        QCOMPARE(m_store->m_armSpeedPointFlags[1][6], quint8(1));
    }

    void applyAndCancel()
    {
        m_set->setCurrentIndex(1);
        m_table->setCurrentRow(6, false);
        m_boxes[1]->setValue(0.004); // below the shown precision
        m_panel->updateUI();
        QCOMPARE(m_boxes[1]->objectName(), QStringLiteral("form-changed"));
        verifyApplyChangesOnly({{userBegin, userEnd}});
        QCOMPARE(m_boxes[1]->objectName(), QStringLiteral("form-updated"));

        m_boxes[2]->setValue(5);
        m_panel->updateUI();
        verifyLeavingAsksAndKeepsOtherPages();
    }
};

QTEST_MAIN(TestArmSpeedPanel)
#include "tst_armspeedpanel.moc"
