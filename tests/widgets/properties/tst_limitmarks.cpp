// The red marks agree with the limits: every editor of every built page is
// marked exactly when the cell it shows lies outside its limits, and the
// function menu marks exactly the pages that hold such a value. Each page is
// built once and shown every set in turn: every field at both edges of its
// limits, just inside and just outside, then random sets from a fixed seed.
// Marking writes nothing.

#include <QSet>
#include <QSpinBox>
#include <QTreeWidgetItem>
#include <QtTest>

#include <cmath>
#include <limits>

#include "app/functionmenuwidget.h"
#include "app/scene/scenemanager.h"
#include "imagecells.h"
#include "panelfixture.h"
#include "parameter/valuevalidator.h"
#include "randomimage.h"
#include "widgets/properties/allproperties.h"
#include "widgets/properties/fieldbinding.h"

class TestLimitMarks : public QObject
{
    Q_OBJECT

    // Random sets and the seed of the first; a failure names the seed of its set.
    static constexpr quint32 firstSeed = 20261207;
    static constexpr int randomSets = 1000;

    // ctest runs the random sets in parts side by side: OBX_RANDOM_PART="k/n"
    // takes every n-th set starting with the k-th. Unset, one run takes all.
    static QPair<int, int> randomPart()
    {
        const QStringList part = qEnvironmentVariable("OBX_RANDOM_PART").split(QLatin1Char('/'));
        bool kOk = false, nOk = false;
        const int k = part.value(0).toInt(&kOk);
        const int n = part.value(1).toInt(&nOk);
        if (part.size() != 2 || !kOk || !nOk || n < 1 || k < 1 || k > n)
            return {1, 1};
        return {k, n};
    }

    enum Edge
    {
        BelowLower,
        OnLower,
        OnUpper,
        AboveUpper,
    };

    std::vector<std::unique_ptr<PropertyWidget>> m_panels;
    QVector<PropertyWidget*> m_table;
    std::unique_ptr<FunctionMenuWidget> m_menu;
    BoxAnswers* m_boxes = nullptr;
    int m_marked = 0;
    int m_plain = 0;

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

    // Stores the edge of a cell's limits as its type holds it; false where
    // the type cannot hold a value beyond the limit.
    static bool storeEdge(ParameterImage& image, const FieldDef& field, int offset, double lower,
                          double upper, Edge edge)
    {
        const bool low = edge == BelowLower || edge == OnLower;
        const double limit = low ? lower : upper;
        const double step = edge == BelowLower ? -1 : edge == AboveUpper ? 1 : 0;
        const auto fits = [](double value, double least, double most) {
            return value >= least && value <= most;
        };
        switch (field.type) {
        case ValueType::I16:
            return fits(limit + step, -32768, 32767) &&
                   image.setI16At(offset, qint16(limit + step));
        case ValueType::U16:
            return fits(limit + step, 0, 65535) && image.setU16At(offset, quint16(limit + step));
        case ValueType::I32:
            return fits(limit + step, -2147483648.0, 2147483647.0) &&
                   image.setI32At(offset, qint32(limit + step));
        case ValueType::U32:
            return fits(limit + step, 0, 4294967295.0) &&
                   image.setU32At(offset, quint32(limit + step));
        case ValueType::F32: {
            // The float a file's text of the limit gives, and the next one out.
            float value = float(limit);
            if (step != 0)
                value = std::nextafter(value, float(step) * std::numeric_limits<float>::infinity());
            return image.setF32At(offset, value);
        }
        case ValueType::Text:
            break;
        }
        return false;
    }

    // The shipped set with every cell that has limits at one edge of them;
    // outside: the cells that then lie outside.
    static ParameterImage edgeImage(Edge edge, QSet<QString>* outside)
    {
        ParameterImage image = defaultImage();
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = ParameterLayout::fields()[i];
            double lower = 0;
            double upper = 0;
            if (field.type == ValueType::Text ||
                !ValueValidator::limitsOf(field.no, &lower, &upper))
                continue;
            for (int r = 0; r < field.rows; ++r)
                for (int c = 0; c < field.columns; ++c)
                    if (storeEdge(image, field, ParameterLayout::cellOffset(field, r, c), lower,
                                  upper, edge) &&
                        (edge == BelowLower || edge == AboveUpper))
                        *outside << cellKey(field.no, r, c);
        }
        return image;
    }

    // Shows one set on every page and checks each editor that shows a cell
    // of it, and the menu, against the cells outside their limits.
    void checkMarks(const ParameterImage& image, const QSet<QString>& outside, const QString& set)
    {
        Parameter* store = Parameter::instance();
        loadMaster(store, image);
        for (const auto& panel : m_panels) {
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
                         qPrintable(QStringLiteral("%1 scene %2 cell %3 marked %4")
                                        .arg(set)
                                        .arg(panel->scene())
                                        .arg(cell)
                                        .arg(red)));
                QVERIFY2(editor->toolTip().startsWith(QLatin1String("Outside its limits")) == red,
                         qPrintable(set + QLatin1Char(' ') + cell));
                ++(red ? m_marked : m_plain);
            }
        }
        const QVector<int> scenes = ValueValidator::scenesOf(ValueValidator::check(image));
        for (int scene = 20; scene <= 35; ++scene)
            QVERIFY2(
                m_menu->menuItem(scene)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool() ==
                    scenes.contains(scene),
                qPrintable(QStringLiteral("%1 menu scene %2").arg(set).arg(scene)));
        QVERIFY(store->editImage() == store->masterImage());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(installEnglish());
        Parameter* store = Parameter::instance();
        loadMaster(store, defaultImage());
        m_boxes = new BoxAnswers;
        m_panels.emplace_back(new Property::System(store));
        m_panels.emplace_back(new Property::SettingCommon(store));
        m_panels.emplace_back(new Property::ArmModel(store));
        m_panels.emplace_back(new Property::ToolModel(store));
        m_panels.emplace_back(new Property::AreaModel(store));
        m_panels.emplace_back(new Property::Joint(store));
        m_panels.emplace_back(new Property::ArmSpeed(store));
        m_panels.emplace_back(new Property::ToolSpeed(store));
        m_panels.emplace_back(new Property::ModeSpeed(store));
        m_panels.emplace_back(new Property::CustomSpeed(store));
        m_panels.emplace_back(new Property::ToolOrientation(store));
        m_panels.emplace_back(new Property::StopMonitoring(store));
        m_panels.emplace_back(new Property::ProtectiveStopSafetyFence(store));
        m_panels.emplace_back(new Property::ProtectiveStopUserProtectiveStop(store));
        m_panels.emplace_back(new Property::EmergencyStop(store));
        m_panels.emplace_back(new Property::SafetyInput(store));
        m_table.fill(nullptr, Scene::SceneSignals::sceneCount);
        for (const auto& panel : m_panels) {
            panel->initialize();
            m_table[panel->scene()] = panel.get();
        }
        m_menu.reset(new FunctionMenuWidget(nullptr, &m_table));
    }

    void cleanupTestCase()
    {
        m_menu.reset();
        m_panels.clear();
        delete m_boxes;
    }

    // Every field on its limits is plain; one step beyond them, red. The
    // cells outside are known here, not asked of the validator.
    void marksAtTheEdgesOfTheLimits()
    {
        const char* const names[] = {"below the lower limit", "on the lower limit",
                                     "on the upper limit", "above the upper limit"};
        for (const Edge edge : {BelowLower, OnLower, OnUpper, AboveUpper}) {
            QSet<QString> outside;
            const ParameterImage image = edgeImage(edge, &outside);
            QCOMPARE(cellKeys(ValueValidator::check(image)), outside);
            checkMarks(image, outside, QLatin1String(names[edge]));
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY2(m_marked > 100 && m_plain > 100,
                 qPrintable(QString("%1 %2").arg(m_marked).arg(m_plain)));
    }

    void marksAgreeWithTheValidatorOverRandomSets()
    {
        m_marked = m_plain = 0;
        const QPair<int, int> part = randomPart();
        int sets = 0;
        for (quint32 seed = firstSeed + quint32(part.first - 1); seed < firstSeed + randomSets;
             seed += quint32(part.second), ++sets) {
            const ParameterImage image = mixedImage(seed);
            checkMarks(image, cellKeys(ValueValidator::check(image)),
                       QStringLiteral("seed %1").arg(seed));
            if (QTest::currentTestFailed())
                return;
        }
        // Both kinds were met often.
        QVERIFY2(m_marked > sets && m_plain > sets,
                 qPrintable(QString("%1 %2").arg(m_marked).arg(m_plain)));
    }

    // A page's menu mark follows the set being edited: fixing the value and
    // applying it clears the mark although the set read still holds it.
    void fixedAndAppliedValueClearsThePageMark()
    {
        Parameter* store = Parameter::instance();
        ParameterImage image = defaultImage();
        setI16(image, "UsrSafetyFilterTime", 0, 0, 300);
        loadMaster(store, image);
        const auto marked = [this] {
            return m_menu->menuItem(35)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool();
        };
        QVERIFY(marked());
        QVERIFY(!m_menu->menuItem(34)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool());

        QVERIFY(store->editImage().setI16(fieldNamed("UsrSafetyFilterTime"), 0, 0, 50));
        store->update(35);
        QVERIFY(!marked());
        QCOMPARE(store->masterImage().i16(fieldNamed("UsrSafetyFilterTime"), 0, 0), qint16(300));

        // And an applied value outside its limits marks the page again.
        QVERIFY(store->editImage().setI16(fieldNamed("UsrSafetyFilterTime"), 0, 1, 0));
        store->update(35);
        QVERIFY(marked());
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
        // Limits of ten digits print in full.
        ParameterImage robot = image;
        QVERIFY(robot.setI32(fieldNamed("RobotNo"), 0, 0, -1));
        QCOMPARE(FieldBinding::findingTip(robot, fieldNamed("RobotNo"), 0, 0),
                 QStringLiteral("Outside its limits 0 to 2147483647"));
        QVERIFY(store->editImage() == image);
        filter->setValue(50);
        panel.updateUI();
        QCOMPARE(filter->objectName(), QStringLiteral("form-changed"));
        QVERIFY(!filter->toolTip().contains(QLatin1String("Outside")));
    }
};

QTEST_MAIN(TestLimitMarks)
#include "tst_limitmarks.moc"
