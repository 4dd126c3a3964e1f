// Looking at the pages changes no data: every panel is built, loaded and
// walked item by item over a set full of values that its editors cannot
// hold and of file texts it did not keep, and the edit image stays the same
// byte for byte, the texts stay named, and no box is shown.

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "imagecells.h"
#include "logicfixture.h"
#include "panelfixture.h"
#include "parameter/unkepttexts.h"
#include "setpanelfixture.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/allproperties.h"
#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/logicalop.h"
#include "widgets/properties/logicassignmenttree.h"
#include "widgets/properties/logictablemodel.h"
#include "widgets/submenutable.h"

class TestViewingChangesNothing : public QObject
{
    Q_OBJECT

    static ParameterImage outOfRangeImage()
    {
        ParameterImage image = defaultImage();
        image.setI16At(0, 9);        // CommonSpec
        image.setI16At(2492, 7);     // I/O boards
        image.setI16At(2496, 3);     // safety network
        image.setI16At(2500, -1);    // operation mode input
        image.setI16At(56404, 2);    // teach stop category
        image.setI16At(56552, -4);   // fast check stop category
        image.setF32At(56264, 2e6f); // teach speed limit
        for (int input = 0; input < 32; ++input) {
            setI16(image, "UsrSafetyPulseDiagno", 0, input, 2);
            setI16(image, "UsrSafetyFilterTime", 0, input, input % 2 ? 0 : 300);
            setI16(image, "UsrSafetyDuplexLogic", 0, input, 2);
            image.setF32(fieldNamed("UsrSafetyDiscrpAllowTime"), 0, input,
                         input == 3  ? std::nanf("")
                         : input % 2 ? 12.34f
                                     : 20000.f);
        }
        for (int item = 0; item < 18; ++item) {
            setI16(image, "StopMonValid", 0, item, item % 3 == 0 ? 5 : 1);
            setI16(image, "StopMonTeachValid", 0, item, 2);
            setI16(image, "StopMonCheckFastValid", 0, item, -1);
            setI16(image, "StopMonTargetRobot", 0, item, item % 2 ? 0 : 25 - item);
            for (int joint = 0; joint < 18; ++joint)
                setI16(image, "StopMonTargetAxis", item, joint, 2);
            image.setI16At(60684 + 48 * item + 10, 77); // reserved word
        }
        const float odd[] = {std::nanf(""), 20000.f, 12.345f, -0.04f, 500.f};
        for (int tool = 0; tool < 32; ++tool)
            for (int item = 0; item < 20; ++item) {
                const int k = tool + item;
                setI16(image, "ToolModelValid", tool, item, k % 3 == 0 ? 5 : k % 3 - 1);
                setI16(image, "ToolModelKind", tool, item, k % 4 == 3 ? 7 : k % 4 - 1);
                for (const char* name : {"ToolModelRadius", "ToolModelWidthX", "ToolModelX1",
                                         "ToolModelY2", "ToolModelO", "ToolModelT"})
                    image.setF32(fieldNamed(name), tool, item, odd[k % 5]);
                setI16(image, "ToolSpeedMonValid", tool, item, k % 3 == 0 ? 3 : k % 3 - 1);
                for (const char* name : {"ToolSpeedMonX", "ToolSpeedMonZ"})
                    image.setF32(fieldNamed(name), tool, item, odd[(k + 1) % 5]);
            }
        // Common settings and the stop pages: choices, entries, targets and
        // categories that nothing names, NaN and far numbers.
        setI16(image, "ToolIdSpec", 0, 0, 5);
        image.setF32(fieldNamed("ToolDiscrpAllowDist"), 0, 0, std::nanf(""));
        for (int tool = 0; tool < 32; ++tool) {
            setI16(image, "ToolIDChngTable", 0, tool, tool % 3 ? -1 : 32767);
            image.setF32(fieldNamed("TCP_X"), 0, tool, odd[tool % 5]);
        }
        for (int joint = 0; joint < 18; ++joint)
            image.setF32(fieldNamed("StopJudgeDist"), 0, joint, odd[joint % 5]);
        for (const char* name :
             {"ProtStopFenceValid", "ProtStopFenceStopCategory", "EmeStopTPStopCategory",
              "EmeStopExternalValid", "EmeStopExtStopCategory"})
            setI16(image, name, 0, 0, 2);
        setI16(image, "ProtStopFenceTargetRobot", 0, 0, -1);
        for (int item = 0; item < 18; ++item) {
            const int value = item % 3 == 0 ? -1 : item % 3 == 1 ? 2 : 32767;
            for (const char* name :
                 {"ProtStopUsrValid", "ProtStopUsrTeachValid", "ProtStopUsrStopCategory",
                  "ProtStopUsrTargetRobot", "EmeStopUsrValid", "EmeStopUsrStopCategory",
                  "EmeStopUsrStopTargetRobot"})
                setI16(image, name, 0, item, value);
            image.setI16At(61788 + 8 * item + 6, 77); // filler
        }
        for (int c = 0; c < 50; ++c)
            setI16(image, "DHPrmAxisNo", 0, c, c < 6 ? c + 1 : c == 6 ? 25 : c == 7 ? -1 : 0);
        for (int p = 0; p < 20; ++p) {
            const int coordinates[] = {60, -2, 7, 8, 9, 3, 0};
            setI16(image, "ArmSpeedMkrCoordiNo", 0, p, coordinates[(p + 3) % 7]);
            setI16(image, "ArmSpeedCoordiNo", 0, p, coordinates[p % 7]);
            image.setF32(fieldNamed("ArmSpeedUsrX"), 0, p, odd[p % 5]);
            image.setF32(fieldNamed("ArmSpeedMkrY"), 0, p, odd[(p + 2) % 5]);
        }
        for (int set = 0; set < 8; ++set) {
            setI16(image, "ToolOrientValid", 0, set, set % 3 == 0 ? 2 : 1); // none has a range
            setI16(image, "ToolOrientTeachValid", 0, set, 3);
            setI16(image, "ToolOrientStopCategory", 0, set, set == 1 ? 5 : -1);
            for (int range = 0; range < 5; ++range) {
                setI16(image, "ToolOrientRngValid", set, range, set < 4 ? 0 : 7);
                for (const char* name :
                     {"ToolOrientRngHalftopAng", "ToolOrientRngO", "ToolOrientRngA"})
                    image.setF32(fieldNamed(name), set, range, odd[(set + range) % 5]);
            }
        }
        // Motion areas and arm models: counts outside 3..8, kinds, switches
        // and systems outside their lists, NaN and huge coordinates.
        const float wild[] = {std::nanf(""), 1e30f, -1e30f, 12.5f};
        const int counts[] = {0, 9, -1, 4, 6};
        for (int area = 0; area < 16; ++area) {
            setI16(image, "MoveAreaValid", 0, area, area % 3 == 0 ? 3 : 1);
            setI16(image, "MoveAreaMoveValid", 0, area, area % 4 == 0 ? -2 : area % 2);
            setI16(image, "MoveAreaVertexNum", 0, area, counts[area % 5]);
            setI16(image, "MoveAreaTeachValid", 0, area, 2);
            setI16(image, "MoveAreaStopCategory", 0, area, 4);
            image.setF32(fieldNamed("MoveAreaZulimit"), 0, area, wild[area % 4]);
            for (int v = 0; v < 8; ++v)
                image.setF32(fieldNamed("MoveAreaX"), area, v, wild[(area + v) % 4]);
        }
        setI16(image, "ArmModelSpec", 0, 0, 3);
        for (int k = 0; k < 20; ++k) {
            setI16(image, "UsrArmModelCoordinateNo", 0, k, k % 3 == 0 ? 60 : k % 3 - 1);
            setI16(image, "UsrArmModelKind", 0, k, k % 2 ? 2 : 1);
            image.setF32(fieldNamed("UsrArmModelRadius"), 0, k, wild[k % 4]);
            image.setF32(fieldNamed("UsrArmModelX2"), 0, k, wild[(k + 1) % 4]);
        }
        for (int joint = 0; joint < 18; ++joint) {
            setI16(image, "Assignment", 0, joint, joint % 4);
            setI16(image, "AxisType", 0, joint, joint % 3 + 1);
        }
        return image;
    }

    // Selects every row of every item table, as a user looking through the
    // page does, without editing; with keys, also turns the wheel over every
    // enabled box without the focus, then enters it and leaves it with
    // Return and Tab.
    static void walk(PropertyWidget* panel, bool keys = false)
    {
        for (SubMenuTable* table : panel->findChildren<SubMenuTable*>())
            for (int row = 0; row < table->rowCount(); ++row) {
                table->setCurrentRow(row, true);
                panel->updateUI();
                if (keys)
                    pressKeysInEveryBox(panel);
            }
    }

    static void turnWheelOver(QWidget* widget)
    {
        QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPoint(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }

    static void pressKeysInEveryBox(PropertyWidget* panel)
    {
        QList<QWidget*> boxes;
        for (QAbstractSpinBox* box : panel->findChildren<QAbstractSpinBox*>())
            boxes << box;
        for (QComboBox* box : panel->findChildren<QComboBox*>())
            boxes << box;
        for (QWidget* box : boxes) {
            if (!box->isVisibleTo(panel) || !box->isEnabled())
                continue;
            // The wheel over a box without the focus scrolls the page instead.
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            turnWheelOver(box);
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_Tab);
        }
        // Before the page goes: a focused box would report to it while it dies.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
    }

private slots:
    void initTestCase() { QVERIFY(installEnglish()); }

    void everyPageLeavesTheSetAlone_data()
    {
        QTest::addColumn<bool>("asAtStartUp");
        QTest::newRow("built on their own") << false;
        // As the main window builds them, under a hold: the item tables wait
        // for their place, show their cells when first shown, and a hidden
        // one lays itself out only then.
        QTest::newRow("built as at start-up") << true;
    }
    void everyPageLeavesTheSetAlone()
    {
        QFETCH(bool, asAtStartUp);
        Parameter* store = Parameter::instance();
        // File texts the set did not keep (wrapped integers, words for
        // floats), which the pages now mark and name: one or two per page.
        ParameterImage image = outOfRangeImage();
        UnkeptTexts texts;
        for (const auto& [name, row, column] :
             std::initializer_list<std::tuple<const char*, int, int>>{
                 {"I/OBoardSheets", 0, 0},
                 {"OpeModeInputSet", 0, 0},
                 {"ToolIDChngTable", 0, 1},
                 {"TCP_X", 0, 2},
                 {"ToolDiscrpAllowDist", 0, 0},
                 {"UsrArmModelCoordinateNo", 0, 2},
                 {"UsrArmModelRadius", 0, 3},
                 {"ToolModelValid", 0, 1},
                 {"ToolModelRadius", 1, 2},
                 {"MoveAreaVertexNum", 0, 3},
                 {"MoveAreaX", 2, 1},
                 {"SelectAxisTargetRobot", 0, 1},
                 {"SelectAxisRngMoveValid", 0, 9},
                 {"ArmSpeedCoordiNo", 0, 6},
                 {"ArmSpeedUsrX", 0, 1},
                 {"ToolSpeedMonValid", 1, 1},
                 {"ToolSpeedMonX", 0, 4},
                 {"UsrSpeedKind", 0, 1},
                 {"ProtStopUsrValid", 0, 4},
                 {"ProtStopUsrStopCategory", 0, 5}}) {
            const FieldDef& field = fieldNamed(name);
            texts.note(image, field, row, column,
                       field.type == ValueType::F32 ? QStringLiteral("0x10")
                                                    : QStringLiteral("99999"));
        }
        // A version and an update time the set did not keep, which the
        // system and signature pages mark; the version holds escape
        // sequences, which the system page shows escaped.
        const QString version = QStringLiteral("V\x1b]0;T\x07\x1b[2J");
        QVERIFY(image.setText(fieldNamed("ParameterVersion"), 0, 0, version));
        texts.note(image, fieldNamed("ParameterVersion"), 0, 0,
                   version + QString(40, QLatin1Char('v')));
        texts.note(image, fieldNamed("WholeUpdateTime"), 0, 0, QStringLiteral("abc"));
        QCOMPARE(texts.size(), 22);
        store->unkeptTexts() = texts;
        loadMaster(store, image);
        const ParameterImage loaded = store->editImage();
        BoxAnswers boxes;

        const std::vector<std::unique_ptr<PropertyWidget>> panels = [store] {
            std::vector<std::unique_ptr<PropertyWidget>> made;
            made.emplace_back(new Property::System(store));
            made.emplace_back(new Property::SafetySignatureCRC(store));
            made.emplace_back(new Property::SettingCommon(store));
            made.emplace_back(new Property::ArmModel(store));
            made.emplace_back(new Property::ToolModel(store));
            made.emplace_back(new Property::AreaModel(store));
            made.emplace_back(new Property::StopDistanceEstimation(store));
            made.emplace_back(new Property::Joint(store));
            made.emplace_back(new Property::ArmSpeed(store));
            made.emplace_back(new Property::ToolSpeed(store));
            made.emplace_back(new Property::ModeSpeed(store));
            made.emplace_back(new Property::CustomSpeed(store));
            made.emplace_back(new Property::ToolOrientation(store));
            made.emplace_back(new Property::StopMonitoring(store));
            made.emplace_back(new Property::ProtectiveStopSafetyFence(store));
            made.emplace_back(new Property::ProtectiveStopUserProtectiveStop(store));
            made.emplace_back(new Property::EmergencyStop(store));
            made.emplace_back(new Property::SafetyInput(store));
            return made;
        }();
        {
            std::optional<PolishStyle::Hold> hold;
            if (asAtStartUp)
                hold.emplace();
            for (const auto& panel : panels)
                panel->initialize();
            emit store->parameterChanged(Parameter::MasterData);
        }

        for (const auto& panel : panels) {
            panel->show();
            QApplication::setActiveWindow(panel.get());
            QVERIFY(QTest::qWaitForWindowActive(panel.get()));
            walk(panel.get(), true);
            // The arm speed page's user set as well.
            if (qobject_cast<Property::ArmSpeed*>(panel.get())) {
                panel->findChild<QComboBox*>()->setCurrentIndex(1);
                walk(panel.get());
            }
            QCoreApplication::processEvents();
            QVERIFY2(store->editImage() == loaded, qPrintable(panel->metaObject()->className()));
            QVERIFY(panel->requestClose()); // nothing to discard, so no box
            panel->hide();
        }
        QVERIFY(store->appliedImage() == loaded);
        QVERIFY(store->masterImage() == loaded);
        QVERIFY2(boxes.titles.isEmpty(), qPrintable(boxes.titles.join(", ")));
        QCOMPARE(store->unkeptTexts().offsets(), texts.offsets()); // still named

        // The odd values are shown as they are.
        auto* system = panels[0].get();
        QStringList comboTexts;
        for (QComboBox* box : system->findChildren<QComboBox*>())
            comboTexts << box->currentText();
        QCOMPARE(comboTexts, QStringList({"7", "3", "-1"}));
        QStringList modeTexts;
        for (QComboBox* box : panels[10]->findChildren<QComboBox*>())
            modeTexts << box->currentText();
        QCOMPARE(modeTexts, QStringList({"2", "-4"}));
        // Tool 1's model 4 of kind 7 and set 8's stop category -1.
        panels[4]->findChildren<SubMenuTable*>().value(0)->setCurrentRow(0, false);
        panels[4]->findChildren<SubMenuTable*>().value(1)->setCurrentRow(3, false);
        QCOMPARE(panels[4]->findChild<QComboBox*>()->currentText(), QStringLiteral("7"));
        QCOMPARE(panels[12]->findChild<QComboBox*>()->currentText(), QStringLiteral("-1"));
        // User points 1, 2 and 5 name systems 60, -2 and 9 (on no joint):
        // no axis, and the number as it is.
        const QList<QComboBox*> armBoxes = panels[8]->findChildren<QComboBox*>();
        for (const auto& [point, number] : {std::pair{0, "60"}, {1, "-2"}, {4, "9"}}) {
            panels[8]->findChild<SubMenuTable*>()->setCurrentRow(point, false);
            QCOMPARE(armBoxes.value(1)->currentText(), QStringLiteral("Invalid"));
            QCOMPARE(armBoxes.value(2)->currentText(), QString(number));
        }
        // Area 2 counts 9 corners and area 3 -1, area 1 is neither permitted
        // nor forbidden; the arm set switch 3 shows the user set, whose first
        // element names system 60 and whose second is of kind 2.
        SubMenuTable* areas = panels[5]->findChild<SubMenuTable*>();
        areas->setCurrentRow(1, false);
        QCOMPARE(panels[5]->findChild<QSpinBox*>()->text(), QStringLiteral("9"));
        areas->setCurrentRow(2, false);
        QCOMPARE(panels[5]->findChild<QSpinBox*>()->text(), QStringLiteral("-1"));
        areas->setCurrentRow(0, false);
        QCOMPARE(panels[5]->findChild<QComboBox*>()->currentText(), QStringLiteral("-2"));
        const auto armTexts = [&panels](int element) {
            panels[3]->findChild<SubMenuTable*>()->setCurrentRow(element, false);
            QStringList texts;
            for (QComboBox* box : panels[3]->findChildren<QComboBox*>())
                texts << box->currentText();
            return texts;
        };
        QVERIFY(armTexts(0).contains("3") && armTexts(0).contains("60"));
        QVERIFY(armTexts(1).contains("2"));
        // The tool choice 5, the fence's category 2 and user protective
        // stop 3's category and target 32767.
        QCOMPARE(panels[2]->findChild<QComboBox*>()->currentText(), QStringLiteral("5"));
        // Tool 2's conversion entry names the file's text it did not keep.
        panels[2]->findChild<SubMenuTable*>()->setCurrentRow(1, false);
        const QList<QSpinBox*> entries = panels[2]->findChildren<QSpinBox*>();
        QVERIFY(std::any_of(entries.begin(), entries.end(), [](const QSpinBox* box) {
            return box->toolTip().startsWith(QLatin1String("file: 99999"));
        }));
        QCOMPARE(panels[14]->findChild<QComboBox*>()->currentText(), QStringLiteral("2"));
        panels[15]->findChild<SubMenuTable*>()->setCurrentRow(2, false);
        QStringList userStop;
        for (QComboBox* box : panels[15]->findChildren<QComboBox*>())
            userStop << box->currentText();
        QCOMPARE(userStop, QStringList({"32767", "32767"}));
        QVERIFY(store->editImage() == loaded);
        store->unkeptTexts().clear();
    }

    // The joint and custom speed pages and the point dialog over sets with
    // odd targets, kinds, switches, limits and masks with every bit set.
    void jointAndCustomSpeedPagesLeaveOddSetsAlone()
    {
        Parameter* store = Parameter::instance();
        ParameterImage image = outOfRangeImage();
        setI16(image, "AlwaysAxisValid", 0, 0, 3);
        for (int set = 0; set < 18; ++set) {
            const int target = set % 3 == 0 ? 0 : set % 3 == 1 ? 25 : 1;
            setI16(image, "SelectAxisValid", 0, set, set % 2 ? 1 : 4);
            setI16(image, "SelectAxisTargetRobot", 0, set, target);
            setI16(image, "SelectAxisStopCategory", 0, set, 9);
            setI16(image, "UsrSpeedValid", 0, set, set % 2 ? 1 : -2);
            setI16(image, "UsrSpeedTargetRobot", 0, set, target);
            setI16(image, "UsrSpeedKind", 0, set, 7);
            image.setF32(fieldNamed("UsrSpeedUlimit"), 0, set, std::nanf(""));
            for (int w = 0; w < 2; ++w)
                image.setI32(fieldNamed("UsrSpeedArmValid"), set, w, -1);
            for (int tool = 0; tool < 32; ++tool)
                image.setI32(fieldNamed("UsrSpeedToolValid"), set, tool, -1);
            for (int joint = 0; joint < 18; ++joint) {
                setI16(image, "AlwaysAxisRangeValid", 0, joint, 2);
                setI16(image, "SelectAxisRngValid", set, joint, 5);
                setI16(image, "SelectAxisRngMoveValid", set, joint, 7);
                image.setF32(fieldNamed("SelectAxisRngLlimit"), set, joint, std::nanf(""));
                image.setF32(fieldNamed("SelectAxisRngUlimit"), set, joint, 2e6f);
                setI16(image, "UsrSpeedTargetAxis", set, joint, 3);
            }
        }
        loadMaster(store, image);
        BoxAnswers boxes;
        Property::Joint joint(store);
        Property::CustomSpeed speed(store);
        for (PropertyWidget* panel :
             {static_cast<PropertyWidget*>(&joint), static_cast<PropertyWidget*>(&speed)}) {
            panel->initialize();
            panel->show();
            walk(panel);
            for (QTableWidget* table : panel->findChildren<QTableWidget*>())
                for (int row = 0; row < table->rowCount(); ++row)
                    table->setCurrentCell(row, 0);
            QVERIFY(panel->requestClose());
            panel->hide();
        }
        speed.show();
        for (int set : {0, 1, 2}) {
            speed.setCurrentSet(set);
            speed.openPointDialog();
            QDialog* dialog = speed.findChild<QDialog*>();
            QVERIFY(dialog);
            for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
                for (int row = 0; row < list->count(); ++row)
                    list->setCurrentRow(row);
                turnWheelOver(list->viewport());
                list->setFocus(Qt::TabFocusReason);
                QTest::keyClick(list, Qt::Key_Tab);
            }
            // Return in a list takes the dialog's OK: nothing changed, so
            // nothing is written.
            QListWidget* points = dialog->findChildren<QListWidget*>().value(0);
            points->setFocus(Qt::TabFocusReason);
            QTest::keyClick(points, Qt::Key_Return);
            QTRY_VERIFY(!speed.findChild<QDialog*>());
        }
        // Sets and joints beyond the fields pick nothing.
        joint.setCurrentSet(18);
        joint.setCurrentJoint(40);
        speed.setCurrentSet(-1);
        // Targets 0 and 25 name no device and offer no joints; kind 7, a
        // range switch 5 and a range kind 7 show as they are.
        joint.show();
        QTableWidget* ranges = joint.findChildren<QTableWidget*>().last();
        joint.setCurrentSet(1);
        QCOMPARE(comboWith(&joint, QStringLiteral("Robot"))->currentText(), QStringLiteral("25"));
        QCOMPARE(ranges->rowCount(), 0);
        joint.setCurrentSet(2);
        QCOMPARE(ranges->item(0, 0)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(ranges->item(0, 1)->text(), QStringLiteral("7"));
        speed.setCurrentSet(0);
        QCOMPARE(comboWith(&speed, QStringLiteral("Robot"))->currentText(), QStringLiteral("0"));
        QCOMPARE(comboWith(&speed, QStringLiteral("3"))->currentText(), QStringLiteral("7"));
        QVERIFY(store->editImage() == image);
        QVERIFY(store->appliedImage() == image);
        QVERIFY2(boxes.titles.isEmpty(), qPrintable(boxes.titles.join(", ")));
    }

    // The logic editor over odd stored values: every cell is visited, the
    // editors of the odd ones opened and left with Return, the filter
    // switched; nothing is written and no box appears.
    void logicEditorLeavesTheSetAlone()
    {
        Parameter* store = Parameter::instance();
        ParameterImage image = defaultImage();
        setOperation(image, 1, 9, 1001);
        setOperation(image, 2, -1, 1002);
        setOperation(image, 3, 2, 0, 0);
        setOperation(image, 4, 1, 3004);
        setOperation(image, 5, 3, 60001, 1001);
        LogicTable::setAssignment(image, LogicTable::InternalInput, 0, 401);
        LogicTable::setAssignment(image, LogicTable::NetworkOutput, 0, -5);
        UnkeptTexts texts;
        texts.note(image, FieldBinding::fieldOf(LogicTable::TypeField), 0, 1,
                   QStringLiteral("65535")); // result 2's -1
        texts.note(image, FieldBinding::fieldOf(LogicTable::Input1Field), 0, 4,
                   QStringLiteral("60001"));
        QCOMPARE(texts.size(), 2);
        store->unkeptTexts() = texts;
        loadMaster(store, image);
        BoxAnswers boxes;
        LongBoxAnswers longBoxes;

        LogicalOp editor(nullptr, store);
        editor.show();
        editor.activateWindow();
        QTableView* table = editor.table();
        const int columns = LogicTableModel::ColumnCount;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            for (int column = 0; column < columns; ++column)
                table->setCurrentIndex(table->model()->index(row, column));
        for (int row = 0; row < 5; ++row)
            for (int column = LogicTableModel::OperationColumn;
                 column <= LogicTableModel::Input2Column; ++column) {
                const QModelIndex index = table->model()->index(row, column);
                table->setCurrentIndex(index);
                table->edit(index);
                QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget() != table);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTRY_VERIFY(table->hasFocus());
                QTest::keyClick(table, Qt::Key_Return);
                QTest::keyClick(table, Qt::Key_Tab);
                turnWheelOver(table->viewport());
            }
        editor.setInUseFilter(true);
        editor.setInUseFilter(false);
        QVERIFY(editor.requestClose());

        QVERIFY(store->editImage() == image);
        QVERIFY(store->appliedImage() == image);
        QVERIFY(store->masterImage() == image);
        QVERIFY2(boxes.titles.isEmpty(), qPrintable(boxes.titles.join(", ")));
        QVERIFY(longBoxes.texts.isEmpty());
        QCOMPARE(store->unkeptTexts().offsets(), texts.offsets());

        // The odd values as they are.
        const LogicTableModel* model = editor.model();
        const auto shown = [model](int row, int column) {
            return model->index(row, column).data().toString();
        };
        QCOMPARE(shown(0, LogicTableModel::OperationColumn), QStringLiteral("9"));
        QCOMPARE(shown(1, LogicTableModel::OperationColumn), QStringLiteral("-1"));
        QCOMPARE(shown(3, LogicTableModel::Input1Column), QStringLiteral("3004"));
        // 60001 does not fit the signed 16-bit cell: it is stored as -5535.
        QCOMPARE(shown(4, LogicTableModel::Input1Column), QStringLiteral("-5535"));
        editor.selectResult(1);
        QCOMPARE(editor.assignments()->itemOf(60001)->text(1), QStringLiteral("401"));
        QCOMPARE(editor.assignments()->itemOf(60601)->text(1), QStringLiteral("-5"));
        // The unkept texts are named where the values stand.
        QVERIFY(model->index(1, LogicTableModel::OperationColumn)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QLatin1String("file: 65535")));
        store->unkeptTexts().clear();
    }
};

QTEST_MAIN(TestViewingChangesNothing)
#include "tst_viewingchangesnothing.moc"
