#include "parameter/logicsignaldef.h"
#include "parameter/parameterimage.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

class TestLogicSignalDef : public QObject
{
    Q_OBJECT

    QTranslator m_english;

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/config/i18n/en.qm")));
        QCoreApplication::installTranslator(&m_english);
        LogicSignalDef::initialize();
    }

    void everyRowHasACatalogueText()
    {
        for (const SignalRangeDef* table :
             {LogicSignalDef::inputSignals, LogicSignalDef::internalSignals}) {
            for (const SignalRangeDef* row = table; row->first != 0; ++row)
                QVERIFY2(!row->name.isEmpty() && !row->name.startsWith(QLatin1String("Signal")),
                         qPrintable(QString::number(row->first)));
        }
        QVERIFY(LogicSignalDef::numberPattern.exactMatch(QStringLiteral("60533")));
        QVERIFY(!LogicSignalDef::numberPattern.exactMatch(QStringLiteral("-1")));
    }

    void signalText_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("stripTilde");
        QTest::addColumn<QString>("text");

        // Each style, the tilde, a narrow range inside a wide one, an own name.
        auto row = [](int number, int style, const char* text, bool stripTilde = false) {
            QTest::addRow("%d style %d", number, style)
                << number << style << stripTilde << QString::fromUtf8(text);
        };
        row(1, 0, "Logical Operation Result 1");
        row(400, 1, "400 Logical Operation Result 400");
        row(17, 2, "Logical Operation Result 17");
        row(1001, 0, "~TP Emergency Stop");
        row(1001, 1, "1001 ~TP Emergency Stop");
        row(1001, 2, "TP Emergency Stop (1001)", true);
        row(1101, 1, "1101 User Safety Input 1");
        row(2005, 1, "2005 Inside Motion Permission Area 3"); // narrow range wins
        row(2162, 2, "Always ON (2162)");
        row(60003, 0, "Tool ID 2-1");
        row(60533, 2, "User Safety Output 101 (60533)"); // own name, no member

        const int unknown[] = {-1,    0,     401,   500,   1000,  1011,  1100,
                               1133,  1500,  1565,  2000,  2163,  3000,  3004,
                               60000, 60158, 60500, 60534, 60600, 60665, 65535};
        for (int number : unknown) {
            for (int style = 0; style <= 2; ++style)
                QTest::addRow("unknown %d style %d", number, style)
                    << number << style << false << QString();
        }
    }
    void signalText()
    {
        QFETCH(int, number);
        QFETCH(int, style);
        QFETCH(bool, stripTilde);
        QFETCH(QString, text);
        QCOMPARE(LogicSignalDef::signalText(number, style, stripTilde), text);
        if (text.isEmpty()) {
            int index = -1;
            QCOMPARE(LogicSignalDef::findSignal(number, &index), nullptr);
            QCOMPARE(index, 0);
        }
    }

    void wholeRow_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("text");

        QTest::newRow("group before singles") << 1001 << 2 << "Fixed Safety Input (1001-1010)";
        QTest::newRow("numbered") << 1101 << 2 << "User Safety Input 1-32 (1101-1132)";
        QTest::newRow("numbered plain") << 1101 << 0 << "User Safety Input 1-32";
        QTest::newRow("not numbered") << 2001 << 1 << "Internal Safety Output (2001-2162)";
        QTest::newRow("not numbered plain") << 60001 << 0 << "Internal Safety Input";
        QTest::newRow("prefix") << 60003 << 0 << "Tool ID 2-1 - 2-5";
        QTest::newRow("prefix numbers") << 60003 << 1 << "Tool ID 2-1 - 2-5 (60003-60007)";
        QTest::newRow("single") << 60533 << 1 << "60533 User Safety Output 101";
    }
    void wholeRow()
    {
        QFETCH(int, first);
        QFETCH(int, style);
        QFETCH(QString, text);
        const SignalRangeDef* row = LogicSignalDef::findRow(first);
        QVERIFY(row);
        QCOMPARE(LogicSignalDef::formatSignal(*row, style, 0, false), text);
    }

    void findRowNeedsExactStart()
    {
        QCOMPARE(LogicSignalDef::findRow(1102), nullptr);
        QCOMPARE(LogicSignalDef::findRow(0), nullptr);
        int index = -1;
        QCOMPARE(LogicSignalDef::findInTable(1, nullptr, &index), nullptr);
        QCOMPARE(index, 0);
        const SignalRangeDef end = {0, 0, false, nullptr, QStringLiteral("name")};
        QCOMPARE(LogicSignalDef::formatSignal(end, 1, 0, false), QString());
    }

    // The QW115T lacks one joint: two disabling ranges count one member less.
    void robotTypeShortensTwoRanges_data()
    {
        QTest::addColumn<QString>("robotType");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("members");

        QTest::newRow("selective joint") << "AQW115T01" << 60024 << " 1-17 (60024-60041)";
        QTest::newRow("user speed") << "QW115T" << 60042 << " 1-17 (60042-60059)";
        QTest::newRow("other row") << "QW115T" << 60068 << " 1-18 (60068-60085)";
        QTest::newRow("case matters") << "qw115t" << 60024 << " 1-18 (60024-60041)";
    }
    void robotTypeShortensTwoRanges()
    {
        QFETCH(QString, robotType);
        QFETCH(int, first);
        QFETCH(QString, members);
        ParameterImage master;
        QVERIFY(master.setTextAt(4, robotType));                 // first robot
        QVERIFY(master.setTextAt(36, QStringLiteral("QW115T"))); // second robot: ignored
        const SignalRangeDef* row = LogicSignalDef::findRow(first);
        LogicSignalDef::setMasterImage(&master);
        const QString shortened = LogicSignalDef::formatSignal(*row, 2, 0, false);
        LogicSignalDef::setMasterImage(nullptr);
        QVERIFY2(shortened.endsWith(members), qPrintable(shortened));
        QVERIFY(LogicSignalDef::formatSignal(*row, 2, 0, false).contains(QLatin1String(" 1-18 ")));
    }

    void joinSignalNames_data()
    {
        QTest::addColumn<QList<quint32>>("numbers");
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<QString>("text");

        const QList<quint32> three = {1105, 9999, 1001};
        const QString joined = QStringLiteral("User Safety Input 5, , ~TP Emergency Stop");
        QTest::newRow("all") << three << 0 << joined;
        QTest::newRow("limit above a short list") << three << 10 << joined;
        QTest::newRow("limit inside the list") << three << 2 << "User Safety Input 5, ";
        QTest::newRow("empty list") << QList<quint32>() << 10 << QString();

        QList<quint32> twelve;
        QStringList names;
        for (quint32 n = 60601; n < 60613; ++n) {
            twelve << n;
            names << QStringLiteral("Network Safety Output %1").arg(n - 60600);
        }
        QTest::newRow("first ten of twelve") << twelve << 10 << names.mid(0, 10).join(", ");
        QTest::newRow("all twelve") << twelve << 0 << names.join(", ");
    }
    void joinSignalNames()
    {
        QFETCH(QList<quint32>, numbers);
        QFETCH(int, maxCount);
        QFETCH(QString, text);
        QCOMPARE(LogicSignalDef::joinSignalNames(numbers, QStringLiteral(", "), maxCount), text);
    }

    // Type codes outside the operation table name nothing.
    void unknownOperations()
    {
        for (int type : {-1, 0, 6, 255}) {
            QCOMPARE(LogicSignalDef::opName(type, false), QStringLiteral("(Invalid)"));
            QCOMPARE(LogicSignalDef::opName(type, true), QString());
            QCOMPARE(LogicSignalDef::operandCount(quint8(type)), 0);
        }
    }

    void signalsAssignedTo_data()
    {
        QTest::addColumn<quint32>("result");
        QTest::addColumn<quint32>("maxCount");
        QTest::addColumn<QList<quint32>>("signalNumbers");

        const QList<quint32> all = {60001, 60300, 60501, 60533, 60601, 60664};
        QTest::newRow("all") << 5u << 0u << all;
        QTest::newRow("first match only") << 5u << 1u << all.mid(0, 1);
        QTest::newRow("stops across tables") << 5u << 3u << all.mid(0, 3);
        QTest::newRow("limit above matches") << 5u << 100u << all;
        QTest::newRow("single match") << 400u << 0u << QList<quint32>{60650};
        QTest::newRow("no match") << 7u << 0u << QList<quint32>();
        QTest::newRow("negative entry") << 0xFFFFFFFBu << 0u << QList<quint32>();
    }
    void signalsAssignedTo()
    {
        QFETCH(quint32, result);
        QFETCH(quint32, maxCount);
        QFETCH(QList<quint32>, signalNumbers);

        // Internal inputs at 64652, user outputs at 65252, network outputs at
        // 65320; the bytes next to the tables must not count.
        const QPair<int, qint16> entries[] = {
            {64652, 5}, {64652 + 2 * 299, 5},  {64652 + 20, -5},    {65252, 5}, {65252 + 2 * 32, 5},
            {65320, 5}, {65320 + 2 * 49, 400}, {65320 + 2 * 63, 5}, {64650, 5}, {65318, 5},
            {65448, 5}};
        ParameterImage image;
        for (const auto& entry : entries)
            QVERIFY(image.setI16At(entry.first, entry.second));
        QCOMPARE(LogicSignalDef::signalsAssignedTo(result, image, maxCount), signalNumbers);
    }
};

QTEST_GUILESS_MAIN(TestLogicSignalDef)
#include "tst_logicsignaldef.moc"
