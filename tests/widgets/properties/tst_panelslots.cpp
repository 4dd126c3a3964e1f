// The slots of the tool model, arm speed and tool speed pages answer to
// their names, for anything that connects by name: each value slot writes
// the one cell it names in the set being edited, and nothing else; so do
// the refresh and the leave question of these pages and their neighbours.

#include <QtTest>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/armdevicespeedproperty.h"
#include "widgets/properties/modespeedproperty.h"
#include "widgets/properties/toolmodelproperty.h"
#include "widgets/properties/toolorientationproperty.h"
#include "widgets/properties/toolspeedproperty.h"
#include "widgets/submenutable.h"

class TestPanelSlots : public QObject
{
    Q_OBJECT

    Parameter* const m_store = Parameter::instance();

    // The page, opened on the shipped set, with the cell (row, column) of
    // its tables current; the arm speed page on its user set.
    std::unique_ptr<PropertyWidget> openPage(const QByteArray& page, int row, int column)
    {
        loadMaster(m_store, defaultImage());
        std::unique_ptr<PropertyWidget> panel;
        if (page == "ToolModel")
            panel.reset(new Property::ToolModel(m_store));
        else
            panel.reset(new Property::ArmSpeed(m_store));
        panel->initialize();
        const QList<SubMenuTable*> tables = panel->findChildren<SubMenuTable*>();
        if (page == "ToolModel") {
            tables.value(0)->setCurrentRow(row, false);
            tables.value(1)->setCurrentRow(column, false);
        } else {
            panel->findChildren<ComboBox*>().value(0)->setCurrentIndex(1);
            tables.value(0)->setCurrentRow(column, false);
        }
        return panel;
    }

private slots:
    void initTestCase() { QVERIFY(installEnglish()); }

    void valueSlotsWriteTheirCell_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("row");    // tool (tool model), 0 (arm speed)
        QTest::addColumn<int>("column"); // model or point

        const QVector<QPair<const char*, const char*>> toolModel = {
            {"setRadius", "ToolModelRadius"}, {"setPosition1X", "ToolModelX1"},
            {"setPosition1Y", "ToolModelY1"}, {"setPosition1Z", "ToolModelZ1"},
            {"setPosition2X", "ToolModelX2"}, {"setPosition2Y", "ToolModelY2"},
            {"setPosition2Z", "ToolModelZ2"}, {"setWidthX", "ToolModelWidthX"},
            {"setWidthY", "ToolModelWidthY"}, {"setWidthZ", "ToolModelWidthZ"},
            {"setO", "ToolModelO"},           {"setA", "ToolModelA"},
            {"setT", "ToolModelT"},
        };
        for (const auto& row : toolModel)
            QTest::newRow(row.first) << QByteArray("ToolModel") << QByteArray(row.first)
                                     << QByteArray(row.second) << 5 << 3;
        QTest::newRow("setPoint0") << QByteArray("ArmSpeed") << QByteArray("setPoint0")
                                   << QByteArray("ArmSpeedUsrX") << 0 << 4;
        QTest::newRow("setPoint1") << QByteArray("ArmSpeed") << QByteArray("setPoint1")
                                   << QByteArray("ArmSpeedUsrY") << 0 << 4;
        QTest::newRow("setPoint2") << QByteArray("ArmSpeed") << QByteArray("setPoint2")
                                   << QByteArray("ArmSpeedUsrZ") << 0 << 4;
    }

    void valueSlotsWriteTheirCell()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, slot);
        QFETCH(QByteArray, field);
        QFETCH(int, row);
        QFETCH(int, column);

        const std::unique_ptr<PropertyWidget> panel = openPage(page, row, column);
        const ParameterImage before = m_store->editImage();
        QVERIFY(QMetaObject::invokeMethod(panel.get(), slot.constData(), Q_ARG(double, 123.5)));
        const FieldDef& cell = fieldNamed(field.constData());
        QCOMPARE(m_store->editImage().f32(cell, row, column), 123.5f);
        const int offset = ParameterLayout::cellOffset(cell, row, column);
        QVERIFY(differsOnlyIn(before, m_store->editImage(), {{offset, offset + 4}}));
        QVERIFY(m_store->appliedImage() == before);
    }

    void refreshAndLeaveAnswerToTheirNames_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("field"); // the page's cell 0, 0 that is edited
        QTest::newRow("mode speed")
            << QByteArray("ModeSpeed") << QByteArray("TeachSpeedStopCategory");
        QTest::newRow("arm speed") << QByteArray("ArmSpeed") << QByteArray("ArmSpeedUsrX");
        QTest::newRow("tool speed") << QByteArray("ToolSpeed") << QByteArray("ToolSpeedMonX");
        QTest::newRow("tool model") << QByteArray("ToolModel") << QByteArray("ToolModelRadius");
        QTest::newRow("tool orientation")
            << QByteArray("ToolOrientation") << QByteArray("ToolOrientRngHalftopAng");
    }

    // A refresh called by name shows an edit the page has not seen; leaving
    // asks about it, and No keeps the page.
    void refreshAndLeaveAnswerToTheirNames()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, field);
        loadMaster(m_store, defaultImage());
        std::unique_ptr<PropertyWidget> panel;
        if (page == "ModeSpeed")
            panel.reset(new Property::ModeSpeed(m_store));
        else if (page == "ArmSpeed")
            panel.reset(new Property::ArmSpeed(m_store));
        else if (page == "ToolSpeed")
            panel.reset(new Property::ToolSpeed(m_store));
        else if (page == "ToolModel")
            panel.reset(new Property::ToolModel(m_store));
        else
            panel.reset(new Property::ToolOrientation(m_store));
        panel->initialize();
        const FieldDef& cell = fieldNamed(field.constData());
        if (cell.type == ValueType::F32)
            QVERIFY(m_store->editImage().setF32(cell, 0, 0, m_store->editImage().f32(cell) + 1));
        else
            QVERIFY(m_store->editImage().setI16(cell, 0, 0, 1 - m_store->editImage().i16(cell)));
        QVERIFY(!barButton(panel.get(), 0)->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(panel.get(), "updateUI"));
        QVERIFY(barButton(panel.get(), 0)->isEnabled());
        BoxAnswers boxes;
        boxes.answers = {false};
        bool leaves = true;
        QVERIFY(QMetaObject::invokeMethod(panel.get(), "requestClose", Q_RETURN_ARG(bool, leaves)));
        QVERIFY(!leaves);
        QCOMPARE(boxes.titles.size(), 1);
    }

    // No widget is connected to it: it takes the current tool and point from
    // the two tables, which the boxes then show.
    void toolSpeedTakesTheTablesRows()
    {
        ParameterImage image = defaultImage();
        setI16(image, "ToolSpeedMonValid", 6, 9, 1);
        QVERIFY(image.setF32(fieldNamed("ToolSpeedMonY"), 6, 9, -42.5f));
        loadMaster(m_store, image);
        Property::ToolSpeed panel(m_store);
        panel.initialize();
        const QList<SubMenuTable*> tables = panel.findChildren<SubMenuTable*>();
        for (SubMenuTable* table : tables) {
            const QSignalBlocker quiet(table);
            table->setCurrentRow(table == tables.value(0) ? 6 : 9, false);
        }
        const QList<DoubleSpinBox*> boxes = panel.findChildren<DoubleSpinBox*>();
        QVERIFY(boxes.value(1)->value() != -42.5);
        QVERIFY(QMetaObject::invokeMethod(&panel, "updateCurrentIndex"));
        QCOMPARE(boxes.value(1)->value(), -42.5);
        QVERIFY(boxes.value(1)->isEnabled());
        QVERIFY(m_store->editImage() == image);
    }

    // Building the tool model page takes back unapplied edits of its own
    // cells only; another page's edit stays.
    void toolModelStartsFromTheAppliedModels()
    {
        loadMaster(m_store, defaultImage());
        const FieldDef& radius = fieldNamed("ToolModelRadius");
        const FieldDef& filter = fieldNamed("UsrSafetyFilterTime");
        QVERIFY(m_store->editImage().setF32(radius, 1, 2, 77.0f));
        QVERIFY(m_store->editImage().setI16(filter, 0, 3, 55));
        Property::ToolModel panel(m_store);
        panel.initialize();
        QCOMPARE(m_store->editImage().f32(radius, 1, 2), m_store->appliedImage().f32(radius, 1, 2));
        QCOMPARE(m_store->editImage().i16(filter, 0, 3), qint16(55));
    }
};

QTEST_MAIN(TestPanelSlots)
#include "tst_panelslots.moc"
