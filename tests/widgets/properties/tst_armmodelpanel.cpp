// The arm model page: the read-only maker set, the user set's editors by
// kind, the cost check on set, coordinate system, kind and paste, display
// flags and markers, Apply and Cancel.

#include <QtTest>

#include "areamodelbudget.h"
#include "panelfixture.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/armmodelproperty.h"
#include "widgets/properties/coordinatechoice.h"
#include "widgets/submenutable.h"

using Property::ArmModel;

namespace {
constexpr int section = 3792;
constexpr int sectionEnd = 5076;
enum Box
{
    Radius = 0,
    Point1X = 1,
    Point2X = 4,
};
} // namespace

class TestArmModelPanel : public QObject, PanelTest<ArmModel>
{
    Q_OBJECT

    SubMenuTable* m_table = nullptr;
    QList<DoubleSpinBox*> m_boxes;
    ComboBox* m_set = nullptr;
    ComboBox* m_kind = nullptr;
    ComboBox* m_coordinate = nullptr;

    void settle() { QCoreApplication::sendPostedEvents(m_panel, PropertyWidget::UpdateEventType); }
    qint16 cell(const char* name, int model) const
    {
        return m_store->editImage().i16(fieldNamed(name), 0, model);
    }
    ComboBox* comboHolding(const QString& text) const
    {
        for (ComboBox* box : m_panel->findChildren<ComboBox*>())
            if (box->findText(text) >= 0)
                return box;
        return nullptr;
    }
    // Picks a system as a user does: joint 1, then its first system.
    int chooseFirstSystem()
    {
        m_panel->findChild<CoordinateChoice*>()->axisBox()->setCurrentIndex(1);
        m_coordinate->setCurrentIndex(0);
        return m_coordinate->currentText().toInt();
    }
    // The maker set at the budget, and a user set: element 1 a capsule in
    // system 2; with `atBudget` also the maker's elements, so either set
    // costs exactly the budget, and the user set chosen.
    void open(bool atBudget)
    {
        ParameterImage image = defaultImage();
        for (int tool = 0; tool < 32; ++tool)
            for (int model = 0; model < 20; ++model)
                setI16(image, "ToolModelValid", tool, model, 0);
        for (int k = 0; k < 20; ++k)
            setI16(image, "UsrArmModelCoordinateNo", 0, k, 0);
        fillToBudget(image, 0);
        if (atBudget) {
            for (int k = 0; k < 14; ++k) {
                setI16(image, "UsrArmModelCoordinateNo", 0, k, 1);
                setI16(image, "UsrArmModelKind", 0, k, k < 11 ? 1 : 0);
            }
            setI16(image, "ArmModelSpec", 0, 0, 1);
        } else {
            setI16(image, "UsrArmModelCoordinateNo", 0, 0, 2);
            setI16(image, "UsrArmModelKind", 0, 0, 1);
            image.setF32(fieldNamed("UsrArmModelRadius"), 0, 0, 50.f);
            image.setF32(fieldNamed("UsrArmModelX2"), 0, 0, 100.f);
        }
        PanelTest<ArmModel>::open(image);
        m_table = m_panel->findChild<SubMenuTable*>();
        m_boxes = m_panel->findChildren<DoubleSpinBox*>();
        m_set = comboHolding(QStringLiteral("Maker"));
        m_kind = comboHolding(QStringLiteral("sphere"));
        m_coordinate = m_panel->findChild<CoordinateChoice*>()->coordinateBox();
    }

private slots:
    void initTestCase() { noticeCostOverInBox(m_store, true); }
    void cleanupTestCase() { noticeCostOverInBox(m_store, false); }
    void init() { open(false); }
    void cleanup()
    {
        delete m_panel;
        m_store->setModelVisibility(0, 0, 0);
    }

    void makerReadOnlyUserEditable()
    {
        QCOMPARE(m_set->currentText(), QStringLiteral("Maker"));
        QCOMPARE(m_store->m_armModelSet, 0);
        QVERIFY(!m_kind->isEnabled() && !m_boxes[Radius]->isEnabled() &&
                !m_coordinate->isEnabled());

        BoxAnswers boxes;
        m_set->setCurrentIndex(1); // cheaper: taken without a box
        settle();
        QVERIFY(boxes.titles.isEmpty());
        QCOMPARE(cell("ArmModelSpec", 0), qint16(1));
        QCOMPARE(m_store->m_armModelSet, 1);
        QCOMPARE(m_coordinate->currentText(), QStringLiteral("2"));
        QCOMPARE(m_kind->currentText(), QStringLiteral("capsule"));
        QCOMPARE(m_boxes[Radius]->value(), 50.0);
        QCOMPARE(m_boxes[Point2X]->value(), 100.0);
        QVERIFY(m_boxes[Radius]->isEnabled() && m_boxes[Point2X]->isVisibleTo(m_panel));

        m_kind->setCurrentIndex(0);
        settle();
        QCOMPARE(cell("UsrArmModelKind", 0), qint16(0));
        QVERIFY(!m_boxes[Point2X]->isVisibleTo(m_panel));
        QCOMPARE(rowColour(m_table, 0), changedColour);

        // An unused element takes no shape edits until it has a system.
        m_table->setCurrentRow(3, false);
        QVERIFY(!m_boxes[Radius]->isEnabled() && m_coordinate->isEnabled());
        const int system = chooseFirstSystem();
        QVERIFY(system > 0);
        QCOMPARE(cell("UsrArmModelCoordinateNo", 3), qint16(system));
        settle();
        QVERIFY(m_boxes[Radius]->isEnabled());
    }

    // An element without a coordinate system (number 0) is greyed unless
    // its colour tells of more; odd stored values show as they are, on
    // editors that stay open to a fix, and nothing is written.
    void unusedElementsGreyOddValuesAsStored()
    {
        const QColor grey(108, 117, 125);
        m_set->setCurrentIndex(1);
        settle();
        QCOMPARE(rowColour(m_table, 0), plainColour);
        QCOMPARE(rowColour(m_table, 3), grey);

        ParameterImage odd = m_store->editImage();
        setI16(odd, "UsrArmModelCoordinateNo", 0, 5, 60);
        setI16(odd, "UsrArmModelKind", 0, 5, 2);
        odd.setF32(fieldNamed("UsrArmModelRadius"), 0, 5, qQNaN());
        setI16(odd, "UsrArmModelKind", 0, 6, 3); // no system, kind outside its limits
        loadMaster(m_store, odd);
        QCOMPARE(rowColour(m_table, 5), QColor(255, 64, 64));
        QCOMPARE(rowColour(m_table, 6), QColor(255, 64, 64));
        m_table->setCurrentRow(5, false);
        QCOMPARE(m_coordinate->currentText(), QStringLiteral("60"));
        QCOMPARE(m_kind->currentText(), QStringLiteral("2"));
        QCOMPARE(m_boxes[Radius]->text(), QStringLiteral("nan"));
        QVERIFY(m_kind->isEnabled() && m_boxes[Radius]->isEnabled());
        QVERIFY(m_boxes[Point2X]->isVisibleTo(m_panel)); // not a sphere
        m_table->setCurrentRow(6, false);
        QCOMPARE(m_kind->currentText(), QStringLiteral("3"));
        QVERIFY(!m_kind->isEnabled() && m_coordinate->isEnabled());
        QVERIFY(m_store->editImage() == odd);
    }

    // A maker element pastes onto the user element of the same number; only
    // a user element onto itself is no paste.
    void makerElementPastesOntoTheSameNumber()
    {
        m_table->setCurrentRow(2, false);
        button("Copy")->click();
        m_set->setCurrentIndex(1);
        settle();
        m_table->setCurrentRow(2, false);
        QVERIFY(button("Paste")->isEnabled());
        button("Copy")->click();
        QVERIFY(!button("Paste")->isEnabled());
        m_table->setCurrentRow(3, false);
        QVERIFY(button("Paste")->isEnabled());
    }

    void costOverRefusesSetCoordinateKindAndPaste()
    {
        delete m_panel;
        open(true);
        BoxAnswers boxes;
        const ParameterImage before = m_store->editImage();
        m_table->setCurrentRow(15, false);
        m_panel->findChild<CoordinateChoice*>()->axisBox()->setCurrentIndex(1);
        settle();
        m_table->setCurrentRow(12, false);
        m_kind->setCurrentIndex(1);
        settle();
        QCOMPARE(boxes.titles.size(), 2);
        QVERIFY(m_store->editImage() == before);
        QCOMPARE(m_kind->currentText(), QStringLiteral("sphere"));

        m_table->setCurrentRow(0, false);
        button("Copy")->click();
        m_table->setCurrentRow(15, false);
        QVERIFY(button("Paste")->isEnabled());
        button("Paste")->click();
        QCOMPARE(boxes.titles, QStringList({"Monitoring Area Error", "Monitoring Area Error",
                                            "Monitoring Area Error"}));
        QVERIFY(m_store->editImage() == before);

        // Back to the maker set costs the same: taken. A paste within the
        // budget copies the whole element.
        m_set->setCurrentIndex(0);
        settle();
        QCOMPARE(cell("ArmModelSpec", 0), qint16(0));
        m_set->setCurrentIndex(1);
        settle();
        m_table->setCurrentRow(12, false);
        button("Copy")->click();
        m_table->setCurrentRow(0, false);
        button("Paste")->click();
        QCOMPARE(boxes.titles.size(), 3);
        QCOMPARE(cell("UsrArmModelKind", 0), qint16(0));
    }

    void displayFlagsAndMarkers()
    {
        m_panel->show();
        m_set->setCurrentIndex(1);
        settle();
        m_table->table()->cellClicked(0, 2); // Visible
        m_table->table()->cellClicked(4, 2); // no system: stays hidden
        QCOMPARE(m_store->m_armModelFlags[1][0], quint8(1));
        QCOMPARE(m_store->m_armModelFlags[1][4], quint8(0));
        QCOMPARE(m_store->m_selectedElement, 4);
        m_table->setCurrentRow(0, false);
        emit qApp->focusChanged(nullptr, m_boxes[Point2X + 1]);
        QCOMPARE(m_store->m_marker, quint8(2));
        emit qApp->focusChanged(nullptr, m_boxes[Radius]);
        QCOMPARE(m_store->m_marker, quint8(1));
        QSignalSpy redraws(m_store, &Parameter::selectionChanged);
        m_boxes[Point1X]->setValue(-20);
        QCOMPARE(redraws.size(), 1);
        // The maker set shows its own marks.
        m_set->setCurrentIndex(0);
        settle();
        QVERIFY(!m_table->isVisibleChecked(0));
        m_panel->hide();
        QCOMPARE(m_store->m_marker, quint8(0));
    }

    void applyAndCancel()
    {
        m_set->setCurrentIndex(1);
        settle();
        m_boxes[Radius]->setValue(75.25);
        m_panel->updateUI();
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(rowColour(m_table, 0), updatedColour);
        m_boxes[Point1X]->setValue(5);
        verifyLeavingAsksAndKeepsOtherPages();
    }
};

QTEST_MAIN(TestArmModelPanel)
#include "tst_armmodelpanel.moc"
