#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "imagecells.h"
#include "messagecapture.h"
#include "parameter/crc32c.h"
#include "parameter/decoder.h"
#include "parameter/defaultparameterset.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"
#include "randomimage.h"
#include "testfiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

class TestParameterFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IO::Procedure* m_procedure = nullptr;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    // The image written to the base file and its bytes.
    ParameterImage m_baseImage;
    QByteArray m_baseFile;

    static bool logged(const MessageCapture& log, const QString& line)
    {
        for (const QString& m : log.messages())
            if (m == line || (line.endsWith(QLatin1String(": ")) && m.startsWith(line)))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_procedure = new IO::Procedure(this);
        m_baseImage.setI16(fieldNamed("CommonSpec"), 0, 0, 1);
        m_baseImage.setText(fieldNamed("RobotTypeName"), 0, 0, QStringLiteral("QR6-0700"));
        QCOMPARE(m_procedure->outputFile(path("base.txt"), m_baseImage), 1u);
        m_baseFile = readTestFile(path("base.txt"));
    }

    void init()
    {
        Setting::instance()->resetToDefaults();
        isVSFtoAFM = false;
        IO::Parser::resetLoadedFlag(); // the parts of the tool models are fixed at loading
    }

    // The definitions: read once, from the compiled-in list.
    void readsTheResourceOnce()
    {
        // A parameter folder with its own (one-entry) list must not be read.
        writeTestFile(m_dir.filePath(QStringLiteral("parameter.json")),
                      R"({"parameters":[{"0_Name":"Other","1_No":1}]})");
        loadSettingsFile(m_dir.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nParameterPath=" + m_dir.path().toUtf8() + "\n");

        MessageCapture log;
        IO::Parser parser;
        for (int call = 0; call < 3; ++call)
            QVERIFY(parser.loadInfo());
        QCOMPARE(log.messagesOf(QtInfoMsg).filter(QStringLiteral("IO::Parser::loadInfo")),
                 QStringList{"IO::Parser::loadInfo \":/resources/json/parameter.json\""});
        QCOMPARE(parser.parameterNames.size(), 208);
        QCOMPARE(parser.definitionCount(), 208);
        QVERIFY(parser.hasCompleteDefinitions());

        // A parser made later gets the same definitions without a new read.
        IO::Parser later;
        QCOMPARE(later.definitionCount(), 0);
        QVERIFY(later.loadInfo());
        QCOMPARE(later.parameterNames, parser.parameterNames);
        QCOMPARE(log.messagesOf(QtInfoMsg).filter(QStringLiteral("IO::Parser::loadInfo")).size(),
                 1);
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
        const QString path = writeTestFile(m_dir.filePath(QStringLiteral("odd.json")), json);
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

    // The files.
    void writtenFormat()
    {
        QVERIFY(
            m_baseFile.startsWith(".OBXDATA\r\n1-00-00,CommonSpec,1,\r\n101-00-01,RobotTypeName,"
                                  "QR6-0700,\r\n"));
        QVERIFY(m_baseFile.contains("\r\n102-00-01,RobotNo,0,0,0,0,0,0,0,0,0,0,\r\n"
                                    "102-00-02,RobotNo,0,0,0,0,0,0,0,0,0,\r\n"));
        QVERIFY(m_baseFile.contains("\r\n3128-32-02,ToolModelValid,"));
        QVERIFY(m_baseFile.endsWith(QByteArray("\r\n9999-00-00,AllDataCRC,") +
                                    QByteArray::number(m_baseImage.allDataCRC()) +
                                    ",\r\n.END\r\n"));
        QCOMPARE(m_baseFile.count("\n"), m_baseFile.count("\r\n"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void roundTrip()
    {
        QFETCH(quint32, seed);
        ParameterImage image = randomImage(seed);
        QCOMPARE(m_procedure->outputFile(path("random.txt"), image), 1u);
        const Crc32c::ImageSignature signature = Crc32c::imageSignature(image);
        QCOMPARE(image.wholeCRC(), signature.whole);
        QCOMPARE(image.allDataCRC(), signature.allData);

        MessageCapture log;
        // readAll replaces the whole image, the gaps between fields included.
        ParameterImage back = randomImage(seed + 100, 0x5A);
        DataProviderErrorRecord error;
        QVERIFY(m_procedure->readAll(back, path("random.txt"), error));
        QVERIFY(log.messages().contains(QStringLiteral("IO::Decoder::isCRCCorrect -> OK")));
        QVERIFY(back == image);
        QCOMPARE(error.errorCode, 0);
    }

    void readFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<QByteArray>("fake");    // FakeFileIOError
        QTest::addColumn<QStringList>("lines");  // logged
        QTest::addColumn<int>("errorCode");      // 0: read as the base image

        const QByteArray base = m_baseFile;
        const QByteArray first = "1-00-00,CommonSpec,1,\r\n";
        auto replaced = [&base](const char* from, const QByteArray& to) {
            return QByteArray(base).replace(from, to);
        };
        auto accepted = [](const char* tag, const QByteArray& content) {
            QTest::newRow(tag) << content << QByteArray() << QStringList() << 0;
        };
        accepted("LF line ends", replaced("\r\n", "\n"));
        accepted("leading zeros", replaced(first, "0001-00-00,CommonSpec,1,\r\n"));
        accepted("single group as 01", replaced(first, "1-01-00,CommonSpec,1,\r\n"));
        accepted("single line as 01", replaced(first, "1-00-01,CommonSpec,1,\r\n"));
        accepted("text outside the block", "saved by hand\r\n" + base +
                                               "comment .OBXDATA\r\n1-00-00,CommonSpec,7,\r\n"
                                               ".END\r\n");
        accepted("lines reordered",
                 replaced(first, "").replace("9999-00-00", first + "9999-00-00"));
        accepted("UTF-8 byte order mark", "\xEF\xBB\xBF" + base);
        accepted("byte order mark after a line end", "\r\xEF\xBB\xBF" + base);
        QByteArray utf16 = "\xFF\xFE";
        for (const QChar c : QString::fromUtf8(base))
            utf16 += char(c.unicode()) + QByteArray(1, '\0');
        accepted("UTF-16", utf16);

        // What every refused text logs after its own line.
        const QStringList refused = {"func :  parseText", "parseText -> false ErrorCode:5",
                                     "[Parser] parse text err",
                                     "IO::Parser::extractToMap -> NG ErrorCode:5"};
        const QStringList notFound =
            QStringList{"[Parser] format err (.OBXDATA ~ .END) not found", "func :  extractToMap"} +
            refused;
        const QStringList countWrong = {
            "\"ParamName, No : CommonSpec, 1\"", "[Parser] format err incorrect number of data",
            "func :  extractToMap", "IO::Parser::extractToMap -> NG ErrorCode:5"};
        auto malformed = [](const char* tag, const QByteArray& content, const QStringList& lines) {
            QTest::newRow(tag) << content << QByteArray() << lines << 5;
        };
        auto refusedBy = [&](const char* tag, const QByteArray& line, const QStringList& lines) {
            malformed(tag, replaced(first, line), lines + refused);
        };
        malformed("missing .END", replaced(".END\r\n", ""), notFound);
        malformed("missing .OBXDATA", replaced(".OBXDATA\r\n", ""), notFound);
        malformed("blank in block", replaced("QR6-0700", "QR6 0700"), notFound);
        refusedBy("unknown name", "1-00-00,CommonSpek,1,\r\n",
                  {"[Parser] format err unknown parameter: \"CommonSpek\""});
        // The file's text logged as it is shown: escaped, and cut.
        refusedBy("unknown name holding control characters",
                  QByteArray("1-00-00,Common\x1b]0;T\x07\x1b[2JSpec") + '\0' + ",1,\r\n",
                  {"[Parser] format err unknown parameter: "
                   "$'Common\\x1b]0;T\\x07\\x1b[2JSpec\\x00'"});
        refusedBy("unknown name of 100,000 characters",
                  "1-00-00," + QByteArray(100000, 'n') + ",1,\r\n",
                  {QStringLiteral("[Parser] format err unknown parameter: %1… (100,000 characters)")
                       .arg(QString(40, 'n'))});
        refusedBy("wrong number", "2-00-00,CommonSpec,1,\r\n",
                  {"[Parser] format err incorrect parameter No: 2"});
        refusedBy(
            "too many values on a line", "1-00-00,CommonSpec,1,1,\r\n",
            {"[Parser] format err exceeded maximum per line", "param Name :  \"CommonSpec\""});
        refusedBy("index outside the shape", "1-02-00,CommonSpec,1,\r\n",
                  {"[Parser] format err incorrect index of data"});
        refusedBy("empty line", first + "\r\n", {"[Parser] format err incorrect data"});
        malformed("markers on one line", ".OBXDATA.END", notFound);
        malformed("CR line ends", replaced("\r\n", "\r"), notFound);
        malformed("empty block", ".OBXDATA\r\n.END\r\n", countWrong);
        malformed("block with one blank line", ".OBXDATA\n\n.END",
                  QStringList{"[Parser] format err incorrect data"} + refused);
        malformed("duplicated line", replaced(first, first + first), countWrong);
        malformed("value missing", replaced(first, ""), countWrong);

        ParameterImage edited = m_baseImage;
        edited.setI16(fieldNamed("CommonSpec"), 0, 0, 2);
        malformed("crc mismatch", replaced(first, "1-00-00,CommonSpec,2,\r\n"),
                  {QStringLiteral("\"whole crc: file=%1 calculated=%2\"")
                       .arg(m_baseImage.wholeCRC())
                       .arg(Crc32c::imageSignature(edited).whole),
                   "IO::Decoder::isCRCCorrect -> NG", "[Procedure] incorrect crc err",
                   "func :  readAll"});
        QTest::newRow("file missing")
            << QByteArray() << QByteArray()
            << QStringList{QStringLiteral("[Parser] Open Error: %1: ").arg(path("read.txt")),
                           "parseText -> false ErrorCode:3",
                           "IO::Parser::extractToMap -> NG ErrorCode:3"}
            << 3;
        QTest::newRow("simulated read error")
            << base << QByteArray("Read")
            << QStringList{"FakeFileIOError=Read", "parseText -> false ErrorCode:3"} << 3;
        QTest::newRow("simulated format error")
            << base << QByteArray("FORMAT")
            << QStringList{"FakeFileIOError=FORMAT", "parseText -> false ErrorCode:5"} << 5;
    }
    void readFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, fake);
        QFETCH(QStringList, lines);
        QFETCH(int, errorCode);
        QFile::remove(path("read.txt"));
        if (!content.isEmpty())
            writeTestFile(path("read.txt"), content);
        if (!fake.isEmpty())
            loadSettingsFile(path("config.ini"), "[Test]\nFakeFileIOError=" + fake);

        const ParameterImage before = randomImage(9, 0xA5);
        ParameterImage image = before;
        DataProviderErrorRecord error;
        MessageCapture log;
        QCOMPARE(m_procedure->readAll(image, path("read.txt"), error), errorCode == 0);
        if (errorCode == 0) {
            QVERIFY(image == m_baseImage);
            return;
        }
        for (const QString& line : lines)
            QVERIFY2(logged(log, line), qPrintable(line + " in\n" + log.messages().join('\n')));
        QVERIFY(logged(
            log, QStringLiteral("IO::Procedure::readAll(\"%1\") -> false").arg(path("read.txt"))));
        QCOMPARE(error.errorCode, errorCode);
        QCOMPARE(error.source, 4);
        QVERIFY(image == before);
    }

    void refusesHugeFileUnread()
    {
        // A valid file padded far past any parameter file (sparse: cheap).
        const QString huge = writeTestFile(path("huge.txt"), m_baseFile);
        QVERIFY(QFile::resize(huge, 50 * 1024 * 1024));
        ParameterImage image = randomImage(5);
        const ParameterImage before = image;
        DataProviderErrorRecord error;
        MessageCapture log;
        QVERIFY(!m_procedure->readAll(image, huge, error));
        QCOMPARE(error.errorCode, 3);
        QCOMPARE(error.source, 4);
        QVERIFY(image == before);
        QVERIFY(log.messages().contains(
            QStringLiteral("[Parser] Open Error: %1: File too large").arg(huge)));
        QVERIFY(log.messages().contains(QStringLiteral("parseText -> false ErrorCode:3")));

        // Padded only up to the limit, the same file is read.
        QVERIFY(QFile::resize(huge, 16 * 1024 * 1024));
        QVERIFY(m_procedure->readAll(image, huge, error));
        QVERIFY(image == m_baseImage);
    }

    // Files are UTF-8 whatever the locale's code page.
    void readsUtf8UnderAnyLocale()
    {
        ParameterImage image;
        image.setText(fieldNamed("RobotTypeName"), 0, 3,
                      QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                        "e-\xE2\x82\xAC"));
        QCOMPARE(m_procedure->outputFile(path("utf8.txt"), image), 1u);
        QTextCodec* const previous = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        ParameterImage back;
        DataProviderErrorRecord error;
        const bool read = m_procedure->readAll(back, path("utf8.txt"), error);
        QTextCodec::setCodecForLocale(previous);
        QVERIFY(read);
        QVERIFY(back == image);
    }

    void partialReads_data()
    {
        QTest::addColumn<bool>("vsfToAfm");
        QTest::newRow("isVSFtoAFM off") << false;
        QTest::newRow("isVSFtoAFM on") << true;
    }
    void partialReads()
    {
        QFETCH(bool, vsfToAfm);
        isVSFtoAFM = vsfToAfm;

        ParameterImage file = randomImage(21);
        QCOMPARE(m_procedure->outputFile(path("parts.txt"), file), 1u);
        const ParameterImage target = randomImage(22);
        DataProviderErrorRecord error;

        ParameterImage robot = target;
        QVERIFY(m_procedure->readData(robot, path("parts.txt"), IO::Procedure::RobotPart, error));
        ParameterImage user = target;
        QVERIFY(m_procedure->readData(user, path("parts.txt"), IO::Procedure::UserPart, error));
        ParameterImage both = robot;
        QVERIFY(m_procedure->readData(both, path("parts.txt"), IO::Procedure::UserPart, error));
        QVERIFY(both == file);

        // Whether a cell of the image holds the file's value.
        auto fromFile = [&file](const ParameterImage& image, const char* name, int r, int c) {
            const FieldDef& f = fieldNamed(name);
            const int at = ParameterLayout::cellOffset(f, r, c);
            return std::memcmp(image.data() + at, file.data() + at,
                               size_t(ParameterLayout::valueSize(f.type))) == 0;
        };
        // Robot part: DH parameters; user part: logic; trailer with the user part.
        QVERIFY(fromFile(robot, "DHPrmA0", 0, 5) && !fromFile(user, "DHPrmA0", 0, 5));
        QVERIFY(!fromFile(robot, "WholeCRC", 0, 0) && fromFile(user, "WholeCRC", 0, 0));
        QVERIFY(!fromFile(robot, "UsrArmModelZ2", 0, 19) && fromFile(user, "UsrArmModelZ2", 0, 19));
        // The tool models, first to last field, follow the switch.
        for (const char* name : {"ToolModelValid", "ToolModelX1", "ToolModelT"}) {
            QCOMPARE(fromFile(robot, name, 31, 19), vsfToAfm);
            QCOMPARE(fromFile(user, name, 31, 19), !vsfToAfm);
        }
        for (int set = 0; set < 16; ++set) {
            const bool robotSet = vsfToAfm && set <= 8;
            QCOMPARE(fromFile(robot, "MoveAreaValid", 0, set), robotSet);
            QCOMPARE(fromFile(robot, "MoveAreaZulimit", 0, set), robotSet);
            QCOMPARE(fromFile(robot, "MoveAreaX", set, 7), robotSet);
            QCOMPARE(fromFile(user, "MoveAreaX", set, 7), !robotSet);
        }

        // An unknown mode reads nothing.
        ParameterImage untouched = target;
        MessageCapture log;
        QVERIFY(!m_procedure->readData(untouched, path("parts.txt"), 3, error));
        QVERIFY(log.messages().contains(QStringLiteral("[Procedure] unknown read mode: 3")));
        QCOMPARE(error.errorCode, 5);
        QCOMPARE(error.source, 4);
        QVERIFY(untouched == target);
    }

    void refusedWrites_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("line");
        QTest::newRow("unsafe text") << 0
                                     << "[Procedure] value can not be written: "
                                        "\"RobotTypeName group 1 value 1: text contains a comma\"";
        QTest::newRow("incomplete definitions")
            << 1 << "[Procedure] parameter definitions missing or incomplete";
        QTest::newRow("folder missing") << 2 << "[Parser] open file err";
        QTest::newRow("simulated write error") << 3 << "FakeFileIOError=wRite";
    }
    void refusedWrites()
    {
        QFETCH(int, fault);
        QFETCH(QString, line);
        IO::Procedure procedure;
        procedure.parser->loadInfo();
        ParameterImage image = randomImage(11);
        const QString target = path(fault == 2 ? "absent/refused.txt" : "refused.txt");
        QFile::remove(target);
        if (fault == 0)
            image.setText(fieldNamed("RobotTypeName"), 0, 0, QStringLiteral("QR6,0700"));
        if (fault == 1)
            procedure.parser->parameterInfos.remove(QStringLiteral("AllDataCRC"));
        if (fault == 3)
            loadSettingsFile(path("config.ini"), "[Test]\nFakeFileIOError=wRite");

        const ParameterImage before = image;
        MessageCapture log;
        QCOMPARE(procedure.outputFile(target, image), 0u);
        QVERIFY2(log.messages().contains(line), qPrintable(log.messages().join('\n')));
        QVERIFY(log.messages().contains(
            QStringLiteral("IO::Procedure::outputFile(\"%1\") -> NG").arg(target)));
        QVERIFY(image == before);
        // Only the simulated fault writes the file (and still reports failure).
        QCOMPARE(QFile::exists(target), fault == 3);
    }

    // The writer formats the image straight into the file; the text table
    // writer gives the very same bytes, for files and reports, and with a
    // definition that no image field has (written with empty cells).
    void imageWriterAsTableWriter_data()
    {
        QTest::addColumn<bool>("report");
        QTest::addColumn<bool>("extraDefinition");
        QTest::newRow("file") << false << false;
        QTest::newRow("report") << true << false;
        QTest::newRow("definition without field") << false << true;
    }
    void imageWriterAsTableWriter()
    {
        QFETCH(bool, report);
        QFETCH(bool, extraDefinition);
        IO::Procedure procedure;
        IO::Parser* parser = procedure.parser;
        parser->loadInfo();
        if (extraDefinition) {
            ParameterInfo extra;
            extra.No = 9500;
            extra.GroupNum = 2;
            extra.DataNum = 3;
            extra.DataPerRow = 2;
            parser->parameterInfos.insert(QStringLiteral("Extra"), extra);
            parser->parameterNames.insert(1, QStringLiteral("Extra"));
        }
        for (quint32 seed : {31u, 32u}) {
            ParameterImage image = randomImage(seed);
            QCOMPARE(report ? procedure.outputReport(path("image.txt"), image)
                            : procedure.outputFile(path("image.txt"), image),
                     1u);
            ParameterTextTable table;
            parser->makeTable(table);
            QVERIFY(procedure.decoder->encode(table, image));
            QCOMPARE(parser->extractToText(path("table.txt"), table, report), 1);
            QCOMPARE(readTestFile(path("image.txt")), readTestFile(path("table.txt")));
        }
        if (extraDefinition)
            QVERIFY(readTestFile(path("image.txt"))
                        .contains("\r\n9500-01-01,Extra,,,\r\n9500-01-02,Extra,,\r\n"));
    }

    void reportUsesDisplayNames()
    {
        QCOMPARE(m_procedure->outputReport(path("report.txt"), m_baseImage), 1u);
        const QString report = QString::fromUtf8(readTestFile(path("report.txt")));
        ParameterDefDB* db = ParameterDefDB::instance();
        const QString name = db->displayName(db->findParamByNo(106));
        QVERIFY(report.contains(QStringLiteral("\r\n106-00-01,%1,").arg(name)));
        QVERIFY(report.contains(QLatin1String("\r\n9001-00-00,WholeUpdateTime,")));
        QVERIFY(!report.contains(QLatin1String(",DHPrmTh0,")));
    }

    void defaultSetReadsBack()
    {
        const QString file = QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt");
        ParameterImage image;
        DataProviderErrorRecord error;
        MessageCapture log;
        QVERIFY(m_procedure->readAll(image, file, error));
        QVERIFY(log.messages().contains(QStringLiteral("IO::Decoder::isCRCCorrect -> OK")));
        QCOMPARE(image.text(fieldNamed("RobotTypeName")),
                 QLatin1String(DefaultParameterSet::RobotTypeName));
        QVERIFY(image.wholeUpdateTime() != 0);
        // Written by this writer: writing it again gives the same bytes.
        QCOMPARE(m_procedure->outputFile(path("default.txt"), image), 1u);
        QCOMPARE(readTestFile(path("default.txt")), readTestFile(file));
        QCOMPARE(readTestFile(QStringLiteral(OBX_RUNTIME_DIR "/config/parameter/default.txt")),
                 readTestFile(file));
    }
};

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
