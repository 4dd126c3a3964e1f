// The safety input page: values and texts, marks, Apply, Cancel, the table.

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/safetyinputproperty.h"
#include "widgets/spinbox.h"
#include "widgets/submenutable.h"

using Property::SafetyInput;

namespace {
constexpr int filterTime = 61996;  // + 2 i
constexpr int duplexLogic = 62060; // + 2 i
constexpr int allowTime = 62124;   // + 4 i
} // namespace

class TestSafetyInputPanel : public QObject, PanelTest<SafetyInput>
{
    Q_OBJECT

    SpinBox* m_filter = nullptr;
    ComboBox* m_duplex = nullptr;
    DoubleSpinBox* m_allow = nullptr;
    SubMenuTable* m_table = nullptr;

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        image.setI16At(filterTime + 2 * 2, 20);
        image.setI16At(duplexLogic + 2 * 2, 1);
        image.setF32At(allowTime + 4 * 2, 12.5f);
        setI16(image, "UsrSafetyPulseDiagno", 0, 2, 1);
        setI16(image, "UsrSafetyPulseDiagno", 0, 3, 0);
        open(image);
        m_filter = m_panel->findChild<SpinBox*>();
        m_duplex = m_panel->findChild<ComboBox*>();
        m_allow = m_panel->findChild<DoubleSpinBox*>();
        m_table = m_panel->findChild<SubMenuTable*>();
    }
    void cleanup() { delete m_panel; }

    void valuesTextsAndUnits()
    {
        QCOMPARE(m_filter->toolTip(), QStringLiteral("Upper : 127 Lower : 1"));
        QCOMPARE(m_allow->toolTip(), QStringLiteral("Upper : 10000 Lower : 0"));

        m_table->setCurrentRow(2, false);
        QCOMPARE(m_filter->text(), QStringLiteral("20 ms"));
        QCOMPARE(m_duplex->currentText(), QStringLiteral("Complementary"));
        QCOMPARE(m_allow->text(), QStringLiteral("12.5 ms"));
        QVERIFY(m_table->isEnabledChecked(2));
        QVERIFY(!m_table->isEnabledChecked(3));
        QVERIFY(!barButton(m_panel, 0)->isEnabled() && !barButton(m_panel, 1)->isEnabled());
    }

    void editMarksAndApplyChangesOnlyTheSection()
    {
        m_table->setCurrentRow(2, false);
        const ParameterImage appliedBefore = m_store->appliedImage();
        m_filter->setValue(30); // as typed
        QCOMPARE(m_filter->objectName(), QStringLiteral("form-changed"));
        QCOMPARE(rowColour(m_table, 2), changedColour);
        QCOMPARE(rowColour(m_table, 1), plainColour);
        QVERIFY(barButton(m_panel, 0)->isEnabled() && barButton(m_panel, 1)->isEnabled());
        QCOMPARE(m_store->editImage().i16At(filterTime + 4), qint16(30));

        // A typed discrepancy time marks at once, without a refill.
        m_allow->setValue(99.5);
        QCOMPARE(m_allow->objectName(), QStringLiteral("form-changed"));

        barButton(m_panel, 0)->click();
        QCOMPARE(m_filter->objectName(), QStringLiteral("form-updated"));
        QCOMPARE(rowColour(m_table, 2), updatedColour);
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
        const ByteRanges allowed = {{filterTime + 4, filterTime + 6},
                                    {allowTime + 8, allowTime + 12},
                                    {65448, 65452},
                                    {65472, 65476}};
        QVERIFY(differsOnlyIn(appliedBefore, m_store->appliedImage(), allowed));
        // Both edited cells and both update times changed; a time's bytes
        // need not all differ, so each range is asked for a change of its own.
        for (const auto& range : allowed) {
            bool changed = false;
            for (int i = range.first; i < range.second; ++i)
                changed = changed || appliedBefore.data()[i] != m_store->appliedImage().data()[i];
            QVERIFY2(changed, qPrintable(QString::number(range.first)));
        }
        QVERIFY(m_store->editImage().areasEqual(m_store->appliedImage()));
    }

    // A stored value outside the limits and a NaN show as they are and stay
    // until the user types: only a typed value is clamped and written.
    void oddStoredValuesAreWrittenOnlyWhenTyped()
    {
        ParameterImage image = m_store->editImage();
        image.setI16At(filterTime + 2 * 4, 300);
        image.setF32At(allowTime + 4 * 5, std::nanf(""));
        loadMaster(m_store, image);
        const auto type = [](QAbstractSpinBox* box, const char* text) {
            box->selectAll();
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        };

        m_table->setCurrentRow(4, false);
        QCOMPARE(m_filter->text(), QStringLiteral("300 ms"));
        QTest::keyClick(m_filter, Qt::Key_Return);
        QVERIFY(m_store->editImage() == image);
        QTest::keyClick(m_filter, Qt::Key_Down); // 299, past the limit
        QCOMPARE(m_store->editImage().i16At(filterTime + 2 * 4), qint16(127));

        // The NaN after a number: not that number, and Return keeps the NaN.
        // Typing the lowest limit is an edit too; it alone enables Apply.
        m_table->setCurrentRow(5, false);
        QCOMPARE(m_allow->text(), QStringLiteral("nan"));
        QTest::keyClick(m_allow, Qt::Key_Return);
        QVERIFY(std::isnan(m_store->editImage().f32At(allowTime + 4 * 5)));
        m_store->editImage() = image;
        m_panel->updateUI();
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
        type(m_allow, "0");
        QCOMPARE(m_store->editImage().f32At(allowTime + 4 * 5), 0.0f);
        QVERIFY(barButton(m_panel, 0)->isEnabled());
    }

    void cancelAsksAndRestoresTheSection()
    {
        m_table->setCurrentRow(2, false);
        m_duplex->setCurrentIndex(0);
        const ParameterImage edited = m_store->editImage();
        BoxAnswers boxes;
        boxes.answers = {false, true};
        QVERIFY(!m_panel->requestClose());
        QVERIFY(m_store->editImage() == edited);
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Cancel")});

        barButton(m_panel, 1)->click(); // Cancel, answered Yes
        QCOMPARE(boxes.titles.size(), 2);
        QVERIFY(m_store->editImage() == m_store->appliedImage());
        QCOMPARE(m_duplex->currentText(), QStringLiteral("Complementary"));
        QCOMPARE(m_duplex->objectName(), QStringLiteral("form-select"));
        QVERIFY(m_panel->requestClose()); // nothing to discard: no box
        QCOMPARE(boxes.titles.size(), 2);
    }

    void checkBoxOfAnotherRowSelectsItAndSetsItsFlag()
    {
        m_table->setCurrentRow(2, false);
        auto* box = m_table->table()->cellWidget(3, 1)->findChild<CheckBox*>();
        box->click();
        QCOMPARE(m_table->currentIndex(), 3);
        QCOMPARE(m_store->editImage().i16At(61932 + 6), qint16(1));
        QCOMPARE(m_store->editImage().i16At(61932 + 4), qint16(1));
        QCOMPARE(rowColour(m_table, 3), changedColour);

        // New master data returns to the first input; Apply keeps the row.
        m_table->setCurrentRow(5, false);
        loadMaster(m_store, m_store->editImage());
        QCOMPARE(m_table->currentIndex(), 0);
        m_table->setCurrentRow(5, false);
        m_store->update(35);
        QCOMPARE(m_table->currentIndex(), 5);
    }
};

QTEST_MAIN(TestSafetyInputPanel)
#include "tst_safetyinputpanel.moc"
