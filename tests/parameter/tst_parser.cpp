#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "messagecapture.h"
#include "parameter/parser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestParserDefinitions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeFile(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

    static QStringList loadLines(const MessageCapture& log)
    {
        QStringList lines;
        for (const QString& m : log.messagesOf(QtInfoMsg))
            if (m.startsWith(QLatin1String("IO::Parser::loadInfo")))
                lines << m;
        return lines;
    }

private slots:
    void init()
    {
        IO::Parser::resetLoadedFlag();
        isVSFtoAFM = false;
    }

    void cleanup()
    {
        isVSFtoAFM = false;
        Setting::instance()->resetToDefaults();
    }

    void readsTheResourceOnce()
    {
        // A parameter folder with its own (one-entry) list must not be read.
        writeFile(QStringLiteral("parameter.json"),
                  R"({"parameters":[{"0_Name":"Other","1_No":1}]})");
        writeFile(QStringLiteral("config.ini"),
                  "[ApplicationSettings]\nParameterPath=" + m_dir.path().toUtf8() + "\n");
        Setting::instance()->load(m_dir.filePath(QStringLiteral("config.ini")));
        QCOMPARE(IO::Parser::candidateFiles(), (QStringList{":/resources/json/parameter.json",
                                                            ":/config/parameter/parameter.json",
                                                            m_dir.path() + "/parameter.json"}));

        MessageCapture log;
        IO::Parser parser;
        QVERIFY(parser.loadInfo());
        QVERIFY(parser.loadInfo());
        QVERIFY(parser.loadInfo());
        QCOMPARE(loadLines(log),
                 QStringList{"IO::Parser::loadInfo \":/resources/json/parameter.json\""});
        QCOMPARE(parser.parameterNames.size(), 208);
        QCOMPARE(parser.parameterNames.first(), QStringLiteral("CommonSpec"));
        QCOMPARE(parser.parameterNames.last(), QStringLiteral("AllDataCRC"));
        QCOMPARE(parser.definitionCount(), 208);
        QVERIFY(parser.hasCompleteDefinitions());
        const ParameterInfo robotNo = parser.parameterInfos.value(QStringLiteral("RobotNo"));
        QCOMPARE(robotNo.No, 102);
        QCOMPARE(robotNo.DataNum, 19);
        QCOMPARE(robotNo.DataPerRow, 10);
        QCOMPARE(robotNo.Ulimit, QStringLiteral("2147483647"));

        // A parser made later gets the same definitions without a new read.
        IO::Parser later;
        QCOMPARE(later.definitionCount(), 0);
        QVERIFY(later.loadInfo());
        QCOMPARE(later.parameterNames, parser.parameterNames);
        QCOMPARE(loadLines(log).size(), 1);
    }

    void toolModelsFollowTheSwitch_data()
    {
        QTest::addColumn<bool>("vsf");
        QTest::newRow("switch off") << false;
        QTest::newRow("switch on") << true;
    }

    void toolModelsFollowTheSwitch()
    {
        QFETCH(bool, vsf);
        isVSFtoAFM = vsf;
        IO::Parser parser;
        QVERIFY(parser.loadInfo());
        int moved = 0;
        for (const ParameterInfo& info : qAsConst(parser.parameterInfos)) {
            if (info.No >= 3128 && info.No <= 3142) {
                QCOMPARE(info.ParamClass, vsf ? 0 : 1);
                ++moved;
            }
        }
        QCOMPARE(moved, 15);
        QCOMPARE(parser.parameterInfos.value(QStringLiteral("UsrArmModelZ2")).ParamClass, 1);
        QCOMPARE(parser.parameterInfos.value(QStringLiteral("MoveAreaValid")).ParamClass, 1);
    }

    void noCandidateOpens()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing.json"));
        MessageCapture log;
        IO::Parser parser;
        QVERIFY(!parser.loadInfoFrom({m_dir.filePath(QStringLiteral("none.json")), missing}));
        const QStringList warnings = log.messagesOf(QtWarningMsg);
        QCOMPARE(warnings.size(), 2);
        QVERIFY(warnings[0].startsWith("[Parser] Open Error: " + missing + ": "));
        QCOMPARE(warnings[1], QStringLiteral("func :  loadInfo"));
        QCOMPARE(parser.definitionCount(), 0);
        QVERIFY(!parser.hasCompleteDefinitions());
        // The flag stays unset: the next call reads.
        QVERIFY(parser.loadInfo());
        QCOMPARE(parser.definitionCount(), 208);
    }

    void oddListsLoadAsGiven_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("not json") << QByteArray("{parameters:") << QStringList();
        QTest::newRow("no list") << QByteArray(R"({"params":[]})") << QStringList();
        QTest::newRow("empty list") << QByteArray(R"({"parameters":[]})") << QStringList();
        QTest::newRow("twice and ill-typed")
            << QByteArray(R"({"parameters":[{"0_Name":"A","1_No":"7","2_GroupNum":2.5},)"
                          R"({"0_Name":"B","1_No":3128,"5_ParamClass":1,"6_Llimit":1},)"
                          R"({"0_Name":"A","1_No":9,"4_DataPerRow":3}]})")
            << QStringList{"A", "B", "A"};
    }

    void oddListsLoadAsGiven()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, names);
        isVSFtoAFM = true;
        const QString path = writeFile(QStringLiteral("odd.json"), json);
        IO::Parser parser;
        QVERIFY(parser.loadInfoFrom({path}));
        QCOMPARE(parser.parameterNames, names);
        QVERIFY(!parser.hasCompleteDefinitions());
        if (!names.isEmpty()) {
            const ParameterInfo a = parser.parameterInfos.value(QStringLiteral("A"));
            QCOMPARE(a.No, 9); // the later element wins
            QCOMPARE(a.GroupNum, 0);
            QCOMPARE(a.DataPerRow, 3);
            const ParameterInfo b = parser.parameterInfos.value(QStringLiteral("B"));
            QCOMPARE(b.ParamClass, 0); // tool model under the switch
            QCOMPARE(b.Llimit, QString());
            QCOMPARE(parser.definitionCount(), 2);
        }
        // Loaded all the same: the compiled-in list is not read afterwards.
        MessageCapture log;
        QVERIFY(parser.loadInfo());
        QVERIFY(log.messages().isEmpty());
        QCOMPARE(parser.parameterNames, names);
    }
};

QTEST_GUILESS_MAIN(TestParserDefinitions)
#include "tst_parser.moc"
