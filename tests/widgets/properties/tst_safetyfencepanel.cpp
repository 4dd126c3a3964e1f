// The safety fence page: the switch with its category, the read-only
// target, Apply and Cancel.

#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/label.h"
#include "widgets/properties/protectivestopsafetyfenceproperty.h"

using Property::ProtectiveStopSafetyFence;

class TestSafetyFencePanel : public QObject, PanelTest<ProtectiveStopSafetyFence>
{
    Q_OBJECT

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        setI16(image, "ProtStopFenceValid", 0, 0, 0);
        setI16(image, "ProtStopFenceStopCategory", 0, 0, 0);
        setI16(image, "ProtStopFenceTargetRobot", 0, 0, 21); // no device has it
        open(image);
    }
    void cleanup() { delete m_panel; }

    void switchCategoryApplyAndCancel()
    {
        auto* valid = m_panel->findChild<CheckBox*>();
        auto* category = m_panel->findChild<ComboBox*>();
        QCOMPARE(m_panel->findChild<Label*>()->text(), QStringLiteral("21"));
        QVERIFY(!category->isEnabled());
        valid->click();
        QVERIFY(category->isEnabled());
        category->setCurrentIndex(1);
        QCOMPARE(m_store->editImage().i16At(61550), qint16(1));
        QCOMPARE(valid->objectName(), QStringLiteral("form-changed"));
        verifyApplyChangesOnly({{61548, 61552}});

        valid->click();
        verifyLeavingAsksAndKeepsOtherPages();
        QVERIFY(valid->isChecked());
    }

    // A switch of 2 is not off: shown partly checked and marked, its
    // category open to a fix; a category of 5 shows as its number.
    void oddStoredValuesShowAsStored()
    {
        ParameterImage odd = m_store->editImage();
        setI16(odd, "ProtStopFenceValid", 0, 0, 2);
        setI16(odd, "ProtStopFenceStopCategory", 0, 0, 5);
        loadMaster(m_store, odd);
        auto* valid = m_panel->findChild<CheckBox*>();
        auto* category = m_panel->findChild<ComboBox*>();
        QCOMPARE(valid->checkState(), Qt::PartiallyChecked);
        QCOMPARE(valid->objectName(), QStringLiteral("form-invalid"));
        QVERIFY(category->isEnabled());
        QCOMPARE(category->currentText(), QStringLiteral("5"));
        QVERIFY(category->objectName().endsWith(QLatin1String("invalid")));
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
        QVERIFY(m_store->editImage() == odd);
    }
};

QTEST_MAIN(TestSafetyFencePanel)
#include "tst_safetyfencepanel.moc"
