// The tool model page: editors by kind, the cost check on enable, kind and
// paste, display flags, marks, Apply and Cancel.

#include <QTableWidget>
#include <QtTest>

#include "areamodelbudget.h"
#include "panelfixture.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/toolmodelproperty.h"
#include "widgets/submenutable.h"

using Property::ToolModel;

namespace {
constexpr int section = 5076; // 32 tools of 1120 bytes
constexpr int sectionEnd = 40916;

// Boxes in grid order: radius, point 1, point 2, widths, O, A, T.
enum Box
{
    Radius = 0,
    Point1X = 1,
    Point2X = 4,
    WidthX = 7,
    AngleO = 10,
};
} // namespace

class TestToolModelPanel : public QObject, PanelTest<ToolModel>
{
    Q_OBJECT

    SubMenuTable* m_tools = nullptr;
    SubMenuTable* m_models = nullptr;
    ComboBox* m_kind = nullptr;
    QList<DoubleSpinBox*> m_boxes;

    qint16 cell(const char* name, int tool, int model) const
    {
        return m_store->editImage().i16(fieldNamed(name), tool, model);
    }
    void select(int tool, int model)
    {
        m_tools->setCurrentRow(tool, false);
        m_models->setCurrentRow(model, false);
    }
    void settle() { QCoreApplication::sendPostedEvents(m_panel, PropertyWidget::UpdateEventType); }

private slots:
    void initTestCase()
    {
        // As the program does: the notice is the warning box.
        m_store->setCostOverNotice([](QWidget* parent, const QString& title, const QString& text) {
            MsgBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
            box.exec();
        });
    }
    void cleanupTestCase() { m_store->setCostOverNotice(nullptr); }

    void init()
    {
        // Tool 1 at 6 units below the budget: its model 6 is a sphere, the
        // other five cuboids; model 7 is a disabled cuboid.
        ParameterImage image = defaultImage();
        for (int tool = 0; tool < 32; ++tool)
            for (int model = 0; model < 20; ++model) {
                setI16(image, "ToolModelValid", tool, model, 0);
                setI16(image, "ToolModelKind", tool, model, 0);
            }
        fillToBudget(image, 1);
        setI16(image, "ToolModelKind", 0, 5, 0);
        setI16(image, "ToolModelKind", 0, 6, 2);
        image.setF32(fieldNamed("ToolModelRadius"), 0, 5, 12.5f);
        image.setF32(fieldNamed("ToolModelX1"), 0, 5, -3.25f);
        // Tool 3, model 5: an enabled capsule.
        setI16(image, "ToolModelValid", 2, 4, 1);
        setI16(image, "ToolModelKind", 2, 4, 1);
        image.setF32(fieldNamed("ToolModelX2"), 2, 4, 40.f);
        open(image);
        const QList<SubMenuTable*> tables = m_panel->findChildren<SubMenuTable*>();
        m_tools = tables.value(0);
        m_models = tables.value(1);
        m_kind = m_panel->findChild<ComboBox*>();
        m_boxes = m_panel->findChildren<DoubleSpinBox*>();
    }
    void cleanup()
    {
        delete m_panel;
        m_store->setModelVisibility(0, 0, 0);
    }

    void editorsByKind()
    {
        QCOMPARE(m_boxes.size(), 13);
        QCOMPARE(m_tools->table()->item(31, 0)->text(), QStringLiteral("32"));
        QCOMPARE(m_kind->currentText(), QStringLiteral("cuboid"));
        QVERIFY(m_kind->isEnabled());
        select(0, 5);
        QCOMPARE(m_boxes[Radius]->value(), 12.5);
        QCOMPARE(m_boxes[Point1X]->value(), -3.25);
        QVERIFY(!m_boxes[Radius]->isHidden() && m_boxes[Point2X]->isHidden() &&
                m_boxes[WidthX]->isHidden() && m_boxes[AngleO]->isHidden());

        select(2, 4);
        QCOMPARE(m_store->m_selectedTool, 2);
        QCOMPARE(m_store->m_selectedElement, 4);
        QCOMPARE(m_kind->currentText(), QStringLiteral("capsule"));
        QCOMPARE(m_boxes[Point2X]->value(), 40.0);
        QVERIFY(!m_boxes[Radius]->isHidden() && !m_boxes[Point2X]->isHidden() &&
                m_boxes[WidthX]->isHidden());

        // A kind change within the budget; the marks follow.
        m_kind->setCurrentIndex(2);
        settle();
        QCOMPARE(cell("ToolModelKind", 2, 4), qint16(2));
        QVERIFY(m_boxes[Radius]->isHidden() && m_boxes[Point2X]->isHidden() &&
                !m_boxes[WidthX]->isHidden() && !m_boxes[AngleO]->isHidden());
        QCOMPARE(m_kind->objectName(), QStringLiteral("form-select-changed"));
        QCOMPARE(rowColour(m_models, 4), changedColour);
        QCOMPARE(rowColour(m_tools, 2), changedColour);
        QCOMPARE(rowColour(m_tools, 0), plainColour);

        // A disabled model greys out its editors, and so does a stored
        // Valid word other than 1.
        m_models->setCurrentRow(7, false);
        QVERIFY(!m_kind->isEnabled() && !m_boxes[Radius]->isEnabled());
        setI16(m_store->editImage(), "ToolModelValid", 2, 8, 5);
        m_models->setCurrentRow(8, false);
        QVERIFY(!m_kind->isEnabled() && !m_boxes[Radius]->isEnabled());
    }

    void costOverRefusesEnableKindAndPaste()
    {
        BoxAnswers boxes;
        const ParameterImage before = m_store->editImage();
        select(0, 5);
        m_kind->setCurrentIndex(2); // sphere to cuboid: 6 over the budget
        settle();
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Monitoring Area Error")});
        QVERIFY(m_store->editImage() == before);
        QCOMPARE(m_kind->currentIndex(), 0);

        m_models->table()->cellClicked(6, 1); // enable the cuboid
        settle();
        QCOMPARE(boxes.titles.size(), 2);
        QVERIFY(m_store->editImage() == before);
        QVERIFY(!m_models->isEnabledChecked(6));

        select(0, 0);
        button("Copy")->click();
        select(0, 5);
        QVERIFY(button("Paste")->isEnabled());
        button("Paste")->click();
        QCOMPARE(boxes.titles.size(), 3);
        QVERIFY(m_store->editImage() == before);
        QVERIFY(m_store->costLeft() >= 0);
        QVERIFY(!barButton(m_panel, 0)->isEnabled());

        // Over the budget as loaded: a change that lowers the cost is taken.
        setI16(m_store->editImage(), "ToolModelKind", 0, 5, 2);
        setI16(m_store->editImage(), "ToolModelValid", 0, 6, 1); // still over without one
        loadMaster(m_store, m_store->editImage());
        QVERIFY(m_store->costLeft() < 0);
        m_models->table()->cellClicked(0, 1); // disable a cuboid
        settle();
        QCOMPARE(cell("ToolModelValid", 0, 0), qint16(0));
        QCOMPARE(boxes.titles.size(), 3);
    }

    void pasteKeepsTheTargetsValid()
    {
        select(0, 5);
        button("Copy")->click();
        QVERIFY(!button("Paste")->isEnabled()); // onto itself
        select(0, 7);
        button("Paste")->click();
        QCOMPARE(cell("ToolModelValid", 0, 7), qint16(0));
        QCOMPARE(cell("ToolModelKind", 0, 7), qint16(0));
        QCOMPARE(m_store->editImage().f32(fieldNamed("ToolModelRadius"), 0, 7), 12.5f);
        // Exactly the target's kind and shape cells changed.
        for (const auto& range : differingRanges(m_store->appliedImage(), m_store->editImage())) {
            const int inBlock = (range.first - section) % 1120;
            QVERIFY(range.first >= section && range.second <= section + 1120);
            QVERIFY((inBlock >= 40 && (inBlock - 40) / 2 == 7) ||
                    (inBlock >= 80 && (inBlock - 80) % 80 / 4 == 7));
        }
    }

    void enableAndVisibleFlags()
    {
        select(2, 4);
        m_models->table()->cellClicked(4, 2); // Visible on
        QCOMPARE(m_store->m_toolModelFlags[2][4], quint8(1));
        m_models->table()->cellClicked(4, 1); // Enabled off
        settle();
        QCOMPARE(cell("ToolModelValid", 2, 4), qint16(0));
        QVERIFY(!m_models->isVisibleChecked(4));
        QCOMPARE(m_store->m_toolModelFlags[2][4], quint8(0));
        QVERIFY(!m_kind->isEnabled());
        m_models->table()->cellClicked(4, 1); // Enabled on again: Visible stays off
        settle();
        QCOMPARE(cell("ToolModelValid", 2, 4), qint16(1));
        QVERIFY(!m_models->isVisibleChecked(4));
        QVERIFY(!m_tools->table()->item(2, 0)->icon().isNull());
    }

    void applyAndCancel()
    {
        select(2, 4);
        m_boxes[Point2X]->setValue(40.04); // below the shown precision
        m_panel->updateUI();               // as leaving the box does
        QCOMPARE(rowColour(m_models, 4), changedColour);
        verifyApplyChangesOnly({{section, sectionEnd}});
        QCOMPARE(rowColour(m_models, 4), updatedColour);
        QCOMPARE(rowColour(m_tools, 2), updatedColour);

        m_boxes[Radius]->setValue(7);
        m_panel->updateUI();
        verifyLeavingAsksAndKeepsOtherPages();
    }

    // New data selects the tables' tool and model for the 3D view again,
    // over what another page's handler wrote, while this page is shown only.
    void newDataSelectsForTheViewWhileShown()
    {
        select(2, 4);
        m_panel->show();
        const auto otherPageSelects = [this] {
            m_store->m_selectedTool = 7;
            m_store->m_selectedElement = 9;
        };
        otherPageSelects();
        emit m_store->parameterChanged(Parameter::AppliedData);
        QCOMPARE(m_store->m_selectedTool, 2);
        QCOMPARE(m_store->m_selectedElement, 4);
        m_panel->hide();
        otherPageSelects();
        emit m_store->parameterChanged(Parameter::MasterData);
        QCOMPARE(m_store->m_selectedTool, 7);
        QCOMPARE(m_store->m_selectedElement, 9);
    }

    void focusMarker()
    {
        m_panel->show();
        select(2, 4);
        emit qApp->focusChanged(nullptr, m_boxes[Point2X]);
        QCOMPARE(m_store->m_marker, quint8(2));
        emit qApp->focusChanged(m_boxes[Point2X], m_boxes[Point1X]);
        QCOMPARE(m_store->m_marker, quint8(1));
        m_panel->hide();
        QCOMPARE(m_store->m_marker, quint8(0));
    }
};

QTEST_MAIN(TestToolModelPanel)
#include "tst_toolmodelpanel.moc"
