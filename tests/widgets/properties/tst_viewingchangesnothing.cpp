// Looking at the pages changes no data: every panel is built, loaded and
// walked item by item over a set full of values that its editors cannot
// hold, and the edit image stays the same byte for byte, with no box shown.

#include <QComboBox>
#include <QtTest>

#include <cmath>

#include "imagecells.h"
#include "panelfixture.h"
#include "widgets/properties/allproperties.h"
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
        for (int joint = 0; joint < 18; ++joint) {
            setI16(image, "Assignment", 0, joint, joint % 4);
            setI16(image, "AxisType", 0, joint, joint % 3 + 1);
        }
        return image;
    }

    // Selects every row of every item table and every entry of every
    // combo box, as a user looking through the page does, without editing.
    static void walk(PropertyWidget* panel)
    {
        for (SubMenuTable* table : panel->findChildren<SubMenuTable*>())
            for (int row = 0; row < table->rowCount(); ++row) {
                table->setCurrentRow(row, true);
                panel->updateUI();
            }
    }

private slots:
    void initTestCase() { QVERIFY(installEnglish()); }

    void everyPageLeavesTheSetAlone()
    {
        Parameter* store = Parameter::instance();
        loadMaster(store, outOfRangeImage());
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
        for (const auto& panel : panels)
            panel->initialize();
        emit store->parameterChanged(Parameter::MasterData);

        for (const auto& panel : panels) {
            panel->show();
            walk(panel.get());
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
        // The tool choice 5, the fence's category 2 and user protective
        // stop 3's category and target 32767.
        QCOMPARE(panels[2]->findChild<QComboBox*>()->currentText(), QStringLiteral("5"));
        QCOMPARE(panels[14]->findChild<QComboBox*>()->currentText(), QStringLiteral("2"));
        panels[15]->findChild<SubMenuTable*>()->setCurrentRow(2, false);
        QStringList userStop;
        for (QComboBox* box : panels[15]->findChildren<QComboBox*>())
            userStop << box->currentText();
        QCOMPARE(userStop, QStringList({"32767", "32767"}));
        QVERIFY(store->editImage() == loaded);
    }
};

QTEST_MAIN(TestViewingChangesNothing)
#include "tst_viewingchangesnothing.moc"
