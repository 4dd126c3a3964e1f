// The mode speed page: fixed values, the two stop categories, and the
// refresh on every change signal that must not take other pages' edits.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "panelfixture.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/modespeedproperty.h"

using Property::ModeSpeed;

namespace {
constexpr int teachValid = 56260;
constexpr int teachLimit = 56264;
constexpr int teachCategory = 56404;
constexpr int checkValid = 56408;
constexpr int checkCategory = 56552;
} // namespace

class TestModeSpeedPanel : public QObject, PanelTest<ModeSpeed>
{
    Q_OBJECT

    QList<QLineEdit*> m_lines;
    QList<DoubleSpinBox*> m_limits;
    QList<ComboBox*> m_combos;

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        image.setI16At(teachValid, 0);
        image.setF32At(teachLimit, 250.f);
        image.setI16At(teachCategory, 1);
        image.setI16At(checkValid, 1);
        image.setI16At(checkCategory, 0);
        open(image);
        m_lines.clear(); // the panel's own lines, not those inside the spin boxes
        for (QLineEdit* line : m_panel->findChildren<QLineEdit*>())
            if (!qobject_cast<QAbstractSpinBox*>(line->parent()))
                m_lines << line;
        m_limits = m_panel->findChildren<DoubleSpinBox*>();
        m_combos = m_panel->findChildren<ComboBox*>();
    }
    void cleanup() { delete m_panel; }

    void fixedValuesAndTexts()
    {
        QVERIFY(!m_lines[0]->isEnabled() && !m_limits[0]->isEnabled());
        QCOMPARE(m_limits[0]->text(), QStringLiteral("250.0 mm/s"));
        QCOMPARE(m_combos[0]->currentText(), QStringLiteral("Stop Category 1"));
        QCOMPARE(m_combos[1]->currentText(), QStringLiteral("Stop Category 0"));
        QCOMPARE(m_combos[0]->objectName(), QStringLiteral("form-select"));
    }

    void editApplyAndMarks()
    {
        m_combos[0]->setCurrentIndex(0); // as chosen
        QCOMPARE(m_combos[0]->objectName(), QStringLiteral("form-select-changed"));
        QVERIFY(barButton(m_panel, 1)->isEnabled());
        verifyApplyChangesOnly({{teachCategory, teachCategory + 2}});
        QCOMPARE(m_combos[0]->objectName(), QStringLiteral("form-select-updated"));
        QCOMPARE(m_store->appliedImage().i16At(teachCategory), qint16(0));
    }

    void cancelNoKeepsYesRestores()
    {
        m_combos[1]->setCurrentIndex(1);
        const ParameterImage edited = m_store->editImage();
        BoxAnswers boxes;
        boxes.answers = {false};
        barButton(m_panel, 1)->click();
        QVERIFY(m_store->editImage() == edited);
        QVERIFY(m_panel->requestClose()); // Yes
        QCOMPARE(boxes.titles.size(), 2);
        QVERIFY(m_store->editImage() == m_store->appliedImage());
        QCOMPARE(m_combos[1]->currentText(), QStringLiteral("Stop Category 0"));
    }

    // Any page's change signal refreshes this page; it must take back only
    // this page's own cells, not other pages' edits or the edit image's
    // update times.
    void refreshKeepsOtherPagesEdits()
    {
        m_store->editImage().setI16At(2492, 3);           // system page, not applied
        m_store->editImage().setU32At(65464, 0x7fffffff); // a time the edit image holds
        m_store->editImage().setI16At(checkCategory, 1);  // this page's unapplied edit
        m_store->update(35);                              // another page applies
        QCOMPARE(m_store->editImage().i16At(2492), qint16(3));
        QCOMPARE(m_store->editImage().u32At(65464), 0x7fffffffu);
        QCOMPARE(m_store->editImage().i16At(checkCategory), qint16(0));
        QCOMPARE(m_combos[1]->objectName(), QStringLiteral("form-select"));
    }
};

QTEST_MAIN(TestModeSpeedPanel)
#include "tst_modespeedpanel.moc"
