// The red marks agree with the validator: over random sets, every editor of
// every built page is marked exactly when the cell it shows lies outside its
// limits, and the function menu marks exactly the pages the validator names.
// Marking writes nothing.

#include <QSet>
#include <QSpinBox>
#include <QTreeWidgetItem>
#include <QtTest>

#include "app/functionmenuwidget.h"
#include "app/scene/scenemanager.h"
#include "imagecells.h"
#include "panelfixture.h"
#include "parameter/valuevalidator.h"
#include "randomimage.h"
#include "widgets/properties/allproperties.h"

class TestLimitMarks : public QObject
{
    Q_OBJECT

    // The shipped set with about one cell in six taken from a random image:
    // some values within their limits, some outside, on every page.
    static ParameterImage mixedImage(quint32 seed)
    {
        const ParameterImage random = randomImage(seed);
        ParameterImage image = defaultImage();
        QRandomGenerator pick(seed);
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = ParameterLayout::fields()[i];
            if (field.type == ValueType::Text)
                continue;
            const int size = ParameterLayout::valueSize(field.type);
            for (int r = 0; r < field.rows; ++r)
                for (int c = 0; c < field.columns; ++c)
                    if (pick.bounded(6) == 0) {
                        const int offset = ParameterLayout::cellOffset(field, r, c);
                        std::memcpy(image.data() + offset, random.data() + offset, size_t(size));
                    }
        }
        return image;
    }

    static QSet<QString> cells(const QVector<LimitEntry>& entries)
    {
        QSet<QString> set;
        for (const LimitEntry& entry : entries)
            set << QStringLiteral("%1/%2/%3").arg(entry.no).arg(entry.row).arg(entry.column);
        return set;
    }

private slots:
    void initTestCase() { QVERIFY(installEnglish()); }

    void marksAgreeWithTheValidator()
    {
        Parameter* store = Parameter::instance();
        loadMaster(store, defaultImage());
        BoxAnswers boxes;
        std::vector<std::unique_ptr<PropertyWidget>> panels;
        panels.emplace_back(new Property::System(store));
        panels.emplace_back(new Property::SettingCommon(store));
        panels.emplace_back(new Property::ArmModel(store));
        panels.emplace_back(new Property::ToolModel(store));
        panels.emplace_back(new Property::AreaModel(store));
        panels.emplace_back(new Property::Joint(store));
        panels.emplace_back(new Property::ArmSpeed(store));
        panels.emplace_back(new Property::ToolSpeed(store));
        panels.emplace_back(new Property::ModeSpeed(store));
        panels.emplace_back(new Property::CustomSpeed(store));
        panels.emplace_back(new Property::ToolOrientation(store));
        panels.emplace_back(new Property::StopMonitoring(store));
        panels.emplace_back(new Property::ProtectiveStopSafetyFence(store));
        panels.emplace_back(new Property::ProtectiveStopUserProtectiveStop(store));
        panels.emplace_back(new Property::EmergencyStop(store));
        panels.emplace_back(new Property::SafetyInput(store));
        QVector<PropertyWidget*> table(Scene::SceneSignals::sceneCount, nullptr);
        for (const auto& panel : panels) {
            panel->initialize();
            table[panel->scene()] = panel.get();
        }
        FunctionMenuWidget menu(nullptr, &table);

        int marked = 0;
        int plain = 0;
        for (quint32 seed = 1; seed <= 1000; ++seed) {
            const ParameterImage image = mixedImage(seed);
            loadMaster(store, image);
            const QVector<LimitEntry> entries = ValueValidator::check(image);
            const QSet<QString> outside = cells(entries);
            for (const auto& panel : panels) {
                // Only the editors that show a cell of this set count; one
                // left unfilled (a joint switch without a joint) shows none.
                for (QWidget* editor : panel->findChildren<QWidget*>())
                    editor->setProperty("boundCell", QVariant());
                panel->updateUI();
                for (const QWidget* editor : panel->findChildren<QWidget*>()) {
                    const QString cell = editor->property("boundCell").toString();
                    if (cell.isEmpty())
                        continue;
                    const bool red = editor->objectName().endsWith(QLatin1String("invalid"));
                    QVERIFY2(red == outside.contains(cell),
                             qPrintable(QStringLiteral("seed %1 scene %2 cell %3 marked %4")
                                            .arg(seed)
                                            .arg(panel->scene())
                                            .arg(cell)
                                            .arg(red)));
                    QCOMPARE(editor->toolTip().startsWith(QLatin1String("Outside its limits")),
                             red);
                    ++(red ? marked : plain);
                }
            }
            const QVector<int> scenes = ValueValidator::scenesOf(entries);
            for (int scene = 20; scene <= 35; ++scene)
                QCOMPARE(
                    menu.menuItem(scene)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool(),
                    scenes.contains(scene));
            QVERIFY(store->editImage() == store->masterImage());
        }
        // Both kinds were met often.
        QVERIFY2(marked > 1000 && plain > 1000,
                 qPrintable(QString("%1 %2").arg(marked).arg(plain)));
    }

    // An editor's mark goes when its value comes back within the limits.
    void editingIntoTheLimitsClearsTheMark()
    {
        Parameter* store = Parameter::instance();
        ParameterImage image = defaultImage();
        setI16(image, "UsrSafetyFilterTime", 0, 0, 300);
        loadMaster(store, image);
        BoxAnswers boxes;
        Property::SafetyInput panel(store);
        panel.initialize();
        panel.updateUI();
        QSpinBox* filter = nullptr;
        for (QSpinBox* box : panel.findChildren<QSpinBox*>())
            if (box->property("boundCell").toString() == QLatin1String("6002/0/0"))
                filter = box;
        QVERIFY(filter);
        QCOMPARE(filter->objectName(), QStringLiteral("form-invalid"));
        QVERIFY(filter->toolTip().startsWith(QLatin1String("Outside its limits 1 to 127")));
        QVERIFY(store->editImage() == image);
        filter->setValue(50);
        panel.updateUI();
        QCOMPARE(filter->objectName(), QStringLiteral("form-changed"));
        QVERIFY(!filter->toolTip().contains(QLatin1String("Outside")));
    }
};

QTEST_MAIN(TestLimitMarks)
#include "tst_limitmarks.moc"
