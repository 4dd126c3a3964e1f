#include "app/core/startupstate.h"
#include "messagecapture.h"
#include "parameter/parameterdefdb.h"

#include <QTranslator>
#include <QtTest>

namespace {

// A second database, built with the switches of the moment.
class FreshDefDB : public ParameterDefDB
{
};

void collect(const ParamTreeNode& node, QVector<const ParamTreeNode*>& out)
{
    for (const ParamTreeNode& child : node.children) {
        out << &child;
        collect(child, out);
    }
}

// The node at `depth` on the record's path (its leaf by default).
const ParamTreeNode* pathNode(const ParameterDefDB& db, const ParamDefRecord& r, int depth = 0)
{
    const ParamTreeNode* node = &db.root;
    for (int level = 0; node && level < (depth > 0 ? depth : r.pathLength()); ++level) {
        const ParamTreeNode* next = nullptr;
        for (const ParamTreeNode& child : node->children)
            if (child.id == r.pathIds[level] && !next)
                next = &child;
        node = next;
    }
    return node;
}

QString key(int id)
{
    return QStringLiteral("string%1").arg(id);
}

} // namespace

class TestParameterDefDB : public QObject
{
    Q_OBJECT

    QTranslator m_english;
    QStringList m_constructionLog;

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/config/i18n/en.qm")));
        QCoreApplication::installTranslator(&m_english);
        MessageCapture log;
        QCOMPARE(ParameterDefDB::instance(), ParameterDefDB::instance());
        m_constructionLog = log.messages();
    }

    void treeShape()
    {
        const ParameterDefDB* db = ParameterDefDB::instance();
        QCOMPARE(m_constructionLog, QStringList()); // every numbered label has its "%1"
        QVector<const ParamTreeNode*> nodes;
        collect(db->root, nodes);
        int leaves = 0;
        for (const ParamTreeNode* node : nodes) {
            if (node->flags & ParamTreeNode::Leaf) {
                ++leaves;
                QVERIFY2(node->children.empty(), "inner node marked as leaf");
            }
        }
        QCOMPARE(leaves, int(db->records.size()));
        QCOMPARE(int(db->root.last), leaves - 1);
        for (int i = 0; i < int(db->records.size()); ++i) {
            const ParamTreeNode* leaf = pathNode(*db, db->records[size_t(i)]);
            QVERIFY(leaf && (leaf->flags & ParamTreeNode::Leaf));
            QCOMPARE(int(leaf->first), i); // a leaf of its own
            QCOMPARE(int(leaf->last), i);
        }
    }

    void numberedLabels_data()
    {
        QTest::addColumn<uint>("no");
        QTest::addColumn<int>("groupDepth");
        QTest::addColumn<int>("elementDepth");
        QTest::newRow("tcp by tool") << 3004u << 2 << 0;
        QTest::newRow("user speed tools") << 3328u << 3 << 5;
        QTest::newRow("stop monitoring joints") << 3506u << 2 << 4;
    }

    void numberedLabels()
    {
        QFETCH(uint, no);
        QFETCH(int, groupDepth);
        QFETCH(int, elementDepth);
        const ParameterDefDB* db = ParameterDefDB::instance();
        const ParamDefRecord* r = db->findParamByNo(no);
        QVERIFY(r);
        for (int depth = 1; depth <= r->pathLength(); ++depth) {
            const ParamTreeNode* node = pathNode(*db, *r, depth);
            QCOMPARE(int(node->depth), depth);
            QCOMPARE(bool(node->flags & ParamTreeNode::GroupLabel), depth == groupDepth);
            QCOMPARE(bool(node->flags & ParamTreeNode::ElementLabel), depth == elementDepth);
            if (depth == groupDepth) // users number group items from the node's first record
                QCOMPARE(db->records[node->first].groupCount, r->groupCount);
        }
    }

    void everyLanguageKeepsPlaceholders()
    {
        QVector<const ParamTreeNode*> nodes;
        collect(ParameterDefDB::instance()->root, nodes);
        for (const char* lang : {"en", "ja", "ko", "zh"}) {
            QTranslator tr;
            QVERIFY(tr.load(QStringLiteral(":/config/i18n/%1.qm").arg(QLatin1String(lang))));
            for (int id = 1; id < 214; ++id)
                QVERIFY(!tr.translate("ParameterDefDB", qPrintable(key(id))).isEmpty());
            for (const ParamTreeNode* node : nodes) {
                if (node->flags & (ParamTreeNode::GroupLabel | ParamTreeNode::ElementLabel)) {
                    const QString text = tr.translate("ParameterDefDB", qPrintable(key(node->id)));
                    QVERIFY2(text.contains(QLatin1String("%1")), qPrintable(lang + (": " + text)));
                }
            }
        }
    }

    void displayName()
    {
        const ParameterDefDB* db = ParameterDefDB::instance();
        QCOMPARE(db->displayName(db->findParamByNo(106)), QStringLiteral("DH Parameters - Theta"));
        // Reports and the comparison view name these two by their labels.
        QCOMPARE(db->displayName(db->findParamByNo(1)), QStringLiteral("Specification"));
        QCOMPARE(db->displayName(db->findParamByNo(3001)),
                 QStringLiteral("Tool Setting - Tool ID Specification"));
        QCOMPARE(db->displayName(nullptr), QString());
    }

    void findParamByNo_data()
    {
        QTest::addColumn<uint>("no");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("logged");
        QTest::newRow("first") << 1u << true << QString();
        QTest::newRow("last") << 6203u << true << QString();
        QTest::newRow("gap") << 42u << false
                             << QStringLiteral("ParameterDefDB::findParamByNo(42) NOT FOUND.");
        QTest::newRow("trailer") << 9001u << false << QString();
        QTest::newRow("wraps to 1") << 65537u << false << QString();
    }

    void findParamByNo()
    {
        QFETCH(uint, no);
        QFETCH(bool, found);
        QFETCH(QString, logged);
        ParameterDefDB* db = ParameterDefDB::instance();
        const ParamDefRecord* cached = db->findParamByNo(3004);
        MessageCapture log;
        const ParamDefRecord* r = db->findParamByNo(no);
        QCOMPARE(r != nullptr, found);
        QVERIFY(!r || r->no == no);
        QCOMPARE(log.messages(), logged.isEmpty() ? QStringList() : QStringList(logged));
        QCOMPARE(db->findParamByNo(3004), cached);
    }

    void toolModelsFollowSwitch_data()
    {
        QTest::addColumn<bool>("vsf");
        QTest::newRow("off") << false;
        QTest::newRow("on") << true;
    }

    void toolModelsFollowSwitch()
    {
        QFETCH(bool, vsf);
        const bool saved = isVSFtoAFM;
        isVSFtoAFM = vsf;
        FreshDefDB db;
        isVSFtoAFM = saved;
        for (const ParamDefRecord& r : db.records) {
            const bool toolModel = r.no >= 3128 && r.no <= 3142;
            if (!toolModel && r.no != 3143)
                continue;
            const bool robot = toolModel && vsf;
            QCOMPARE(r.access, robot ? 'R' : 'C');
            const ParamTreeNode* leaf = pathNode(db, r);
            QCOMPARE(bool(leaf->flags & ParamTreeNode::RobotPart), robot);
            QCOMPARE(bool(leaf->flags & ParamTreeNode::UserPart), !robot);
        }
    }
};

QTEST_GUILESS_MAIN(TestParameterDefDB)
#include "tst_parameterdefdb.moc"
