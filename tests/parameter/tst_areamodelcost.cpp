#include "areamodelbudget.h"
#include "messagecapture.h"
#include "parameter/parameter.h"

#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Setup = std::function<void(ParameterImage&)>;
enum Kind
{
    Sphere = 0,
    Capsule = 1,
    Cuboid = 2
};

void area(ParameterImage& image, int a, int valid, int moveValid)
{
    setI16(image, "MoveAreaValid", 0, a, valid);
    setI16(image, "MoveAreaMoveValid", 0, a, moveValid);
}

// Elements first..first+count-1 of the maker arm set (tool < 0) or of a tool.
void models(ParameterImage& image, int tool, int first, int count, int kind, int enable = 1)
{
    for (int k = first; k < first + count; ++k) {
        setI16(image, tool < 0 ? "MkrArmModelCoordinateNo" : "ToolModelValid", qMax(tool, 0), k,
               enable);
        setI16(image, tool < 0 ? "MkrArmModelKind" : "ToolModelKind", qMax(tool, 0), k, kind);
    }
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestAreaModelCost : public QObject
{
    Q_OBJECT

    std::unique_ptr<Parameter> m_store;
    QList<int> m_shown;           // budget left as the cost display got it
    QList<QStringList> m_notices; // title, text

private slots:
    void init()
    {
        m_store = std::make_unique<Parameter>();
        m_shown.clear();
        m_notices.clear();
        m_store->setCostDisplay([this](int left) { m_shown << left; });
        m_store->setCostOverNotice([this](QWidget*, const QString& title, const QString& text) {
            m_notices << QStringList{title, text};
        });
    }

    void cost_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("cost");
        QTest::newRow("no enabled area") << Setup([](ParameterImage& image) {
            area(image, 0, 0, 1);
            models(image, 0, 0, 3, Cuboid);
        }) << 0;
        QTest::newRow("forbidding area") << Setup([](ParameterImage& image) {
            area(image, 3, 1, 0);
            models(image, -1, 0, 2, Sphere);
            models(image, -1, 2, 1, Capsule);
        }) << 14;
        QTest::newRow("permitting area") << Setup([](ParameterImage& image) {
            area(image, 3, -1, 7);
            models(image, -1, 0, 2, Sphere);
            models(image, -1, 2, 1, Capsule);
        }) << 12;
        QTest::newRow("dearest tool only") << Setup([](ParameterImage& image) {
            area(image, 0, 1, 0);
            models(image, 0, 0, 1, Cuboid);
            models(image, 31, 0, 5, Sphere);
        }) << 115;
        QTest::newRow("ArmModelSpec 2 takes the user set") << Setup([](ParameterImage& image) {
            area(image, 0, 1, 0);
            setI16(image, "ArmModelSpec", 0, 0, 2);
            models(image, -1, 0, 3, Sphere);
            setI16(image, "UsrArmModelCoordinateNo", 0, 19, 1);
            setI16(image, "UsrArmModelKind", 0, 19, Capsule);
        }) << 8;
        QTest::newRow("models not counted") << Setup([](ParameterImage& image) {
            area(image, 0, 1, 0);
            models(image, -1, 0, 1, Cuboid); // arms have no cuboids
            models(image, -1, 1, 1, Sphere, 0);
            models(image, -1, 2, 1, Sphere, -1);
            models(image, -1, 3, 1, -1); // 65535 as a kind
            models(image, 2, 0, 1, 3);
            models(image, 2, 1, 1, Cuboid, 0);
        }) << 0;
        for (const int extra : {0, 1}) // a sphere weighs 6 with these two areas
            QTest::newRow(extra ? "one sphere over" : "exactly at the budget")
                << Setup([extra](ParameterImage& image) { fillToBudget(image, extra); })
                << 1240 + 6 * extra;
    }

    void cost()
    {
        QFETCH(Setup, setup);
        QFETCH(int, cost);
        setup(m_store->editImage());
        QCOMPARE(m_store->calculateCost(), cost <= 1240);
        QCOMPARE(m_store->cost(), cost);
        QCOMPARE(m_shown, QList<int>{1240 - cost});
    }

    void check_data()
    {
        QTest::addColumn<bool>("over");
        QTest::addColumn<bool>("disable");
        QTest::addColumn<QString>("text");
        QTest::newRow("over, confirm") << true << false << "Modal Message Cost Over Confirm";
        QTest::newRow("over, disable") << true << true << "Modal Message Cost Over Disable";
        QTest::newRow("within, disable") << false << true << QString();
    }

    void check()
    {
        QFETCH(bool, over);
        QFETCH(bool, disable);
        QFETCH(QString, text);
        ParameterImage& image = m_store->editImage();
        fillToBudget(image, 0);
        if (over)
            models(image, 1, 0, 7, Cuboid);
        ParameterImage expected = image;
        if (over && disable) // only the enable word of each area goes
            for (int a = 0; a < Parameter::AreaCount; ++a)
                setI16(expected, "MoveAreaValid", 0, a, 0);

        MessageCapture log;
        QCOMPARE(m_store->checkAreaModelCost(disable, nullptr), over);
        const QString result = over ? "true" : "false";
        QCOMPARE(
            log.messagesOf(QtInfoMsg),
            QStringList({"overcosted: " + result, "Parameter::checkAreaModelCost -> " + result}));
        QVERIFY(image == expected);
        QCOMPARE(m_notices.size(), over ? 1 : 0);
        if (over)
            QCOMPARE(m_notices.first(), QStringList({"Modal Title Cost Over", text}));
        QCOMPARE(m_store->costLeft() < 0, over && !disable);
    }

    void setWithCostCheck_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("costLeft");
        QTest::newRow("same value") << 0 << 1 << true << 0;
        QTest::newRow("over the budget") << 2 << 1 << false << 0;
        // Only the permitting area left: 6 x 63 + 11 x 6 + 3 x 3 = 453.
        QTest::newRow("within the budget") << 0 << 0 << true << 1240 - 453;
    }

    void setWithCostCheck()
    {
        QFETCH(int, area);
        QFETCH(int, value);
        QFETCH(bool, accepted);
        QFETCH(int, costLeft);
        ParameterImage& image = m_store->editImage();
        fillToBudget(image, 0);
        m_store->calculateCost();
        m_shown.clear();
        const FieldDef* valid = ParameterLayout::findByName(QStringLiteral("MoveAreaValid"));
        auto* field =
            reinterpret_cast<quint16*>(image.data() + ParameterLayout::cellOffset(*valid, 0, area));
        QCOMPARE(quintptr(field) % alignof(quint16), quintptr(0));
        const quint16 old = *field;

        QCOMPARE(::setWithCostCheck(m_store.get(), field, quint16(value), nullptr), accepted);
        QCOMPARE(*field, accepted ? quint16(value) : old);
        QCOMPARE(m_store->costLeft(), costLeft);
        QCOMPARE(m_notices.size(), accepted ? 0 : 1);
        QCOMPARE(m_shown.isEmpty(), old == value); // an unchanged value needs no check
    }
};

QTEST_MAIN(TestAreaModelCost)
#include "tst_areamodelcost.moc"
