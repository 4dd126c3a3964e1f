#include "app/commandlinearguments.h"
#include "app/commandlinetool.h"
#include "app/core/singleinstance.h"
#include "defaultimage.h"
#include "editedfile.h"
#include "imagecells.h"
#include "randomimage.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The command-line check and comparison: exit codes, both output forms and
// the files a script may hand it.
class TestCommandLineTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_good;
    QString m_badCrc;
    QString m_outside;
    QString m_other;
    QString m_out;
    QString m_err;
    static constexpr int Window = -1; // a command line that opens the window

    int run(QStringList arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        arguments.prepend(QStringLiteral("obxsetting"));
        return CommandLineTool(out, err).run(arguments);
    }

    static bool requested(std::vector<const char*> arguments)
    {
        return CommandLineTool::isRequested(int(arguments.size()),
                                            const_cast<char**>(arguments.data()));
    }

    // File names as bytes, which need not be UTF-8.
    int runRaw(const QList<QByteArray>& arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        return CommandLineTool(out, err).run(CommandLineArguments::parse(arguments));
    }

    QJsonObject json() const { return QJsonDocument::fromJson(m_out.toUtf8()).object(); }

    QJsonObject firstFileJson() const { return json().value("files").toArray().at(0).toObject(); }

    // A set that differs from the default set only where edit() changes it.
    template <typename Edit>
    QString writeSet(const char* name, Edit edit, std::initializer_list<CellText> texts = {})
    {
        ParameterImage image = defaultImage();
        edit(image);
        const QString path = m_dir.filePath(QLatin1String(name));
        if (!writeEditedFile(path, image, texts))
            qFatal("cannot write %s", name);
        return path;
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QVERIFY(m_dir.isValid());
        const ParameterImage image = defaultImage();
        // Spaces and characters beyond ASCII in the name.
        m_good = m_dir.filePath(QStringLiteral("good set ä 漢.txt"));
        QVERIFY(writeEditedFile(m_good, image));

        QByteArray text = readTestFile(m_good);
        const int at = text.indexOf("UsrSafetyFilterTime,10,");
        QVERIFY(at > 0);
        text.replace(at, 23, "UsrSafetyFilterTime,11,");
        m_badCrc = writeTestFile(m_dir.filePath(QStringLiteral("bad crc.txt")), text);

        ParameterImage outside = image;
        QVERIFY(outside.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 2, qint16(99999)));
        m_outside = m_dir.filePath(QStringLiteral("outside.txt"));
        QVERIFY(writeEditedFile(m_outside, outside,
                                {{"UsrSafetyFilterTime", 0, 2, QStringLiteral("99999")}}));

        ParameterImage other = image;
        QVERIFY(other.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 4, 20));
        m_other = m_dir.filePath(QStringLiteral("other.txt"));
        QVERIFY(writeEditedFile(m_other, other));
        QVERIFY(QFile::copy(m_good, m_dir.filePath(QStringLiteral("--help"))));
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutHolds");
        QTest::addColumn<QString>("stderrHolds");

        const QString huge = m_dir.filePath(QStringLiteral("huge.txt"));
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(40 * 1024 * 1024));
        file.close();
        const QString empty = writeTestFile(m_dir.filePath(QStringLiteral("empty.txt")), "");

        QTest::newRow("good") << QStringList{m_good} << 0
                              << ", 0 values outside their limits, 0 file texts not kept\n"
                              << "";
        QTest::newRow("bad crc") << QStringList{m_badCrc} << 1 << ""
                                 << "signal CRC: stored ";
        QTest::newRow("outside") << QStringList{m_outside} << 2
                                 << ", 0 values outside their limits, 1 file text not kept:\n"
                                    "  UsrSafetyFilterTime row 1 column 3: "
                                 << "";
        // Texts and the trailer keep no text longer than 31 bytes, and an
        // update time only a number of 32 bits; they have no limits to name.
        const auto trailer = [this](const QString& name, const char* field, const QString& text) {
            return writeSet(qPrintable(name),
                            [&](ParameterImage& image) {
                                IO::Decoder::storeCell(image, fieldNamed(field), 0, 0, text);
                            },
                            {{field, 0, 0, text}});
        };
        for (const char* time : {"abc", "-1", "4294967296"})
            QTest::addRow("update time %s", time)
                << QStringList{trailer(QStringLiteral("time %1.txt").arg(time), "WholeUpdateTime",
                                       QLatin1String(time))}
                << 2
                << QStringLiteral(", 0 values outside their limits, 1 file text not kept:\n"
                                  "  WholeUpdateTime row 1 column 1: WholeUpdateTime: 0 (file: "
                                  "%1) [text not kept]\n")
                       .arg(QLatin1String(time))
                << "";
        const QString long40 = QStringLiteral("V1.2.3-") + QString(33, QLatin1Char('x'));
        QTest::newRow("version of 40 characters")
            << QStringList{trailer(QStringLiteral("version.txt"), "ParameterVersion", long40)} << 2
            << QStringLiteral(": %1 (file: %2) [text not kept]\n").arg(long40.left(31), long40)
            << "";
        QTest::newRow("robot type of 40 characters")
            << QStringList{trailer(QStringLiteral("type.txt"), "RobotTypeName", long40)} << 2
            << QStringLiteral(": %1 (file: %2) [text not kept]\n").arg(long40.left(31), long40)
            << "";
        // A text beginning with U+FEFF is kept as its bytes are stored.
        QTest::newRow("version beginning with U+FEFF")
            << QStringList{trailer(QStringLiteral("bom version.txt"), "ParameterVersion",
                                   QStringLiteral("\uFEFFV1.2"))}
            << 0 << ", 0 values outside their limits, 0 file texts not kept\n"
            << "";
        // The toolkit reads the minus sign U+2212 as "-".
        const QString minus = writeTestFile(
            m_dir.filePath(QStringLiteral("minus sign.txt")),
            readTestFile(m_good).replace("MoveAreaZllimit,-1000,",
                                         QStringLiteral("MoveAreaZllimit,\u22121000,").toUtf8()));
        QTest::newRow("minus sign U+2212")
            << QStringList{minus} << 0 << ", 0 values outside their limits, 0 file texts not kept\n"
            << "";
        // Integer limits in full.
        QTest::newRow("u32 limits") << QStringList{trailer(QStringLiteral("zeroing.txt"),
                                                           "ZeroingValue", QStringLiteral("-1"))}
                                    << 2 << "0 (file: -1); limits 0 to 4294967295 [text not kept]\n"
                                    << "";
        QTest::newRow("i32 limits")
            << QStringList{writeSet("robot no.txt",
                                    [](ParameterImage& image) {
                                        QVERIFY(image.setI32(fieldNamed("RobotNo"), 0, 0, -1));
                                    })}
            << 2 << ": -1; limits 0 to 2147483647 [outside limits]\n"
            << "";
        QTest::newRow("missing") << QStringList{m_dir.filePath("none.txt")} << 1 << ""
                                 << "no such file";
        QTest::newRow("directory") << QStringList{m_dir.path()} << 1 << ""
                                   << "directory";
        QTest::newRow("empty") << QStringList{empty} << 1 << ""
                               << "empty.txt: format error: no .OBXDATA ... .END block";
        const QByteArray text = readTestFile(m_good);
        const QString unknown = writeTestFile(
            m_dir.filePath(QStringLiteral("unknown.txt")),
            QByteArray(text).replace("\n1-00-00,CommonSpec,", "\n1-00-00,CommonSpek,"));
        QTest::newRow("unknown parameter")
            << QStringList{unknown} << 1 << ""
            << "unknown.txt: format error in line 2: unknown parameter \"CommonSpek\"";
        const QString shortened =
            writeTestFile(m_dir.filePath(QStringLiteral("short.txt")),
                          QByteArray(text).replace("\n6002-00-01,UsrSafetyFilterTime,10,",
                                                   "\n6002-00-01,UsrSafetyFilterTime,"));
        QTest::newRow("value missing")
            << QStringList{shortened} << 1 << ""
            << "short.txt: format error: UsrSafetyFilterTime has 31 values, not 32";
        QTest::newRow("40 MB") << QStringList{huge} << 1 << ""
                               << "File too large";
        // The bound the README names: 16 MiB is read, a byte more refused.
        for (const qint64 size : {qint64(16777216), qint64(16777217)}) {
            const QString bound = m_dir.filePath(QStringLiteral("%1.txt").arg(size));
            QFile boundFile(bound);
            QVERIFY(boundFile.open(QIODevice::WriteOnly) && boundFile.resize(size));
            boundFile.close();
            QTest::addRow("%lld bytes", size)
                << QStringList{bound} << 1 << ""
                << (size > 16777216 ? "File too large" : "format error");
        }
        QTest::newRow("unreadable wins") << QStringList{m_outside, m_badCrc} << 1 << "99999"
                                         << "CRC mismatch";
        const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("FIFO") << QStringList{fifo} << 1 << ""
                              << "not a regular file";
        QTest::newRow("/dev/zero") << QStringList{"/dev/zero"} << 1 << ""
                                   << "not a regular file";
        // The stored float 0.01 lies below the double 0.01 and is the limit.
        const QString lowest = testDataPath("commandline/decel-0.01.txt");
        QTest::newRow("0.01 lower limit") << QStringList{lowest} << 0 << "0 values outside"
                                          << "";
    }

    void check()
    {
        QFETCH(QStringList, files);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutHolds);
        QFETCH(QString, stderrHolds);

        QCOMPARE(run(QStringList{"--check"} + files), exitCode);
        QVERIFY2(m_out.contains(stdoutHolds), qPrintable(m_out));
        QVERIFY2(m_err.contains(stderrHolds), qPrintable(m_err));

        QCOMPARE(run(QStringList{"--check", "--format", "json"} + files), exitCode);
        const QJsonObject document = json();
        QCOMPARE(document.value("exitCode").toInt(), exitCode);
        QCOMPARE(document.value("files").toArray().size(), files.size());
    }

    void checkJsonEntry()
    {
        QCOMPARE(run({"--check", "--format=json", m_outside}), 2);
        const QJsonValue file = json().value("files").toArray().at(0);
        const QJsonObject entry = file["outsideLimits"].toArray().at(0).toObject();
        QCOMPARE(entry.value("column").toInt(), 3);
        QCOMPARE(entry.value("value").toInt(), -31073);
        QCOMPARE(entry.value("fileText").toString(), QStringLiteral("99999"));
        QCOMPARE(entry.value("lower").toInt(), 1);
        QCOMPARE(entry.value("upper").toInt(), 127);
        QCOMPARE(file["outsideLimitsCount"].toInt(-1), 0);
        QCOMPARE(file["textsNotKeptCount"].toInt(-1), 1);

        // Each cell counted once, a trailer's entry without limits.
        const QString counted =
            writeSet("counted.txt",
                     [](ParameterImage& image) {
                         QVERIFY(image.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 4, 0));
                         QVERIFY(image.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 2, 2));
                         QVERIFY(image.setU32(fieldNamed("SignalUpdateTime"), 0, 0, 0));
                     },
                     {{"UsrSafetyFilterTime", 0, 2, QStringLiteral("65538")},
                      {"SignalUpdateTime", 0, 0, QStringLiteral("abc")}});
        QCOMPARE(run({"--check", "--format=json", counted}), 2);
        const QJsonObject counts = firstFileJson();
        QCOMPARE(counts["outsideLimitsCount"].toInt(-1), 1);
        QCOMPARE(counts["textsNotKeptCount"].toInt(-1), 2);
        const QJsonArray entries = counts["outsideLimits"].toArray();
        QCOMPARE(entries.size(), 3);
        const QJsonObject time = entries.at(2).toObject();
        QCOMPARE(time["name"].toString(), QStringLiteral("SignalUpdateTime"));
        QCOMPARE(time["problem"].toString(), QStringLiteral("text not kept"));
        QVERIFY(!time.contains("lower") && !time.contains("upper"));

        // A text cell holds no number: its value is the text it stores.
        const QString version = QStringLiteral("V1.2.3-") + QString(33, QLatin1Char('x'));
        const QString cut = writeSet("version 40.txt",
                                     [&version](ParameterImage& image) {
                                         IO::Decoder::storeCell(
                                             image, fieldNamed("ParameterVersion"), 0, 0, version);
                                     },
                                     {{"ParameterVersion", 0, 0, version}});
        QCOMPARE(run({"--check", "--format=json", cut}), 2);
        const QJsonObject text = firstFileJson()["outsideLimits"].toArray().at(0).toObject();
        QCOMPARE(text["name"].toString(), QStringLiteral("ParameterVersion"));
        QCOMPARE(text["value"].toVariant(), QVariant(version.left(31)));
        QCOMPARE(text["fileText"].toString(), version);
    }

    // A stored CRC of 9894 skips its check when loading; the verdict must
    // still say that nothing vouches for the set.
    void unsignedSet()
    {
        const QString set = testDataPath("commandline/unsigned-9894.txt");
        QCOMPARE(run({"--check", set}), 1);
        QVERIFY2(m_out.contains(": CRC 9894 (0x000026a6), not signed, 0 values outside"),
                 qPrintable(m_out));
        for (const char* area : {"whole", "system", "monitor", "signal", "all data"})
            QVERIFY2(m_err.contains(QStringLiteral("  %1 CRC: 9894, not checked\n").arg(area)),
                     qPrintable(m_err));

        QCOMPARE(run({"--check", "--format", "json", set, m_good}), 1);
        const QJsonArray files = json().value("files").toArray();
        const QJsonObject unsignedFile = files.at(0).toObject();
        QCOMPARE(unsignedFile.value("signed").toBool(true), false);
        QCOMPARE(unsignedFile.value("crcOk").toBool(true), false);
        QCOMPARE(unsignedFile.value("read").toBool(), true);
        QCOMPARE(unsignedFile.value("skippedSignatures").toArray(),
                 QJsonArray({"whole", "system", "monitor", "signal", "all data"}));
        // Its values are still checked.
        QVERIFY(unsignedFile.value("outsideLimits").isArray());
        const QJsonObject signedFile = files.at(1).toObject();
        QCOMPARE(signedFile.value("signed").toBool(), true);
        QCOMPARE(signedFile.value("skippedSignatures").toArray(), QJsonArray());

        // Unsigned and outside limits: the missing signature decides the code.
        const QString both =
            writeSet("unsigned outside.txt",
                     [](ParameterImage& image) {
                         QVERIFY(image.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 5, 0));
                     },
                     {{"WholeCRC", 0, 0, QStringLiteral("9894")}});
        QCOMPARE(run({"--check", "--format=json", both}), 1);
        QCOMPARE(firstFileJson().value("skippedSignatures").toArray(), QJsonArray({"whole"}));
        QCOMPARE(firstFileJson().value("outsideLimits").toArray().size(), 1);

        // The comparison says it on standard error, and standard output
        // holds the differences alone; two such sets of the same values are
        // the same.
        QCOMPARE(run({"--compare", set, set}), 0);
        QVERIFY(m_out.isEmpty());
        QCOMPARE(
            m_err.count(set + QStringLiteral(": not signed\n  whole CRC: 9894, not checked\n")), 2);
        QCOMPARE(run({"--compare", "--format", "json", set, m_good}), 1);
        const QJsonArray compared = json().value("files").toArray();
        QCOMPARE(compared.size(), 2);
        QCOMPARE(compared.at(0)["file"].toString(), set);
        QCOMPARE(compared.at(0)["signed"].toBool(true), false);
        QCOMPARE(compared.at(0)["skippedSignatures"].toArray().size(), 5);
        QCOMPARE(compared.at(1)["signed"].toBool(), true);
        QCOMPARE(compared.at(1)["skippedSignatures"].toArray(), QJsonArray());
        QVERIFY2(m_err.startsWith(set + QStringLiteral(": not signed\n")) &&
                     !m_err.contains(m_good),
                 qPrintable(m_err));
    }

    void compare()
    {
        QCOMPARE(run({"--compare", m_good, m_outside}), 1);
        QCOMPARE(m_out.count('\n'), 1);
        // The same row and column as --check names.
        QVERIFY2(m_out.startsWith("UsrSafetyFilterTime\t1\t3\t10\t-31073 (file: 99999)\t"),
                 qPrintable(m_out));

        QCOMPARE(run({"--compare", "--format", "json", m_good, m_other}), 1);
        const QJsonArray differences = json().value("differences").toArray();
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences.at(0).toObject().value("b").toString(), QStringLiteral("20"));

        QCOMPARE(run({"--compare", m_good, m_good}), 0);
        QVERIFY(m_out.isEmpty());
        QCOMPARE(run({"--compare", m_good, m_badCrc}), 3);
        QVERIFY2(m_err.startsWith(m_badCrc + ": CRC mismatch: ") && m_err.contains("signal"),
                 qPrintable(m_err));
    }

    void usage()
    {
        QCOMPARE(run({"--help"}), 0);
        for (const char* option : {"--check", "--compare", "--format"})
            QVERIFY(m_out.contains(option));
        QCOMPARE(run({"--compare", m_good}), 64);
        QCOMPARE(run({"--check", "--format", "xml", m_good}), 64);
        QVERIFY(m_out.isEmpty() && !m_err.isEmpty());
    }

    // Each value of a two-value cell is its own entry, in the column --check
    // names; the trailer's differences count; -0 is not shown as 0.
    void compareNamesEachValue()
    {
        const QString second = writeSet("second value.txt", [](ParameterImage& image) {
            QVERIFY(image.setI32(fieldNamed("TeachSpeedArmValid"), 0, 1, 1));
            QVERIFY(image.setI32(fieldNamed("UsrSpeedArmValid"), 4, 1, 2000000));
            QVERIFY(image.setI32(fieldNamed("UsrSpeedArmValid"), 4, 0, 7));
        });
        QCOMPARE(run({"--compare", "--format", "json", m_good, second}), 1);
        const QJsonArray differences = json().value("differences").toArray();
        QCOMPARE(differences.size(), 3);
        const auto entry = [&differences](int i) { return differences.at(i).toObject(); };
        QCOMPARE(entry(0).value("name").toString(), QStringLiteral("TeachSpeedArmValid"));
        QCOMPARE(entry(0).value("column").toInt(), 2);
        QVERIFY(!entry(0).value("b").toString().contains(','));
        QCOMPARE(entry(1).value("row").toInt(), 5);
        QCOMPARE(entry(1).value("column").toInt(), 1);
        QCOMPARE(entry(2).value("row").toInt(), 5);
        QCOMPARE(entry(2).value("column").toInt(), 2);
        QVERIFY(!entry(2).value("b").toString().contains(','));

        const QString zero = writeSet("zero.txt", [](ParameterImage& image) {
            const FieldDef& field = fieldNamed("TeachBreakingDecel");
            QVERIFY(image.setF32(field, 0, 0, 0.0f));
        });
        const QString minusZero = writeSet("minus zero.txt", [](ParameterImage& image) {
            const FieldDef& field = fieldNamed("TeachBreakingDecel");
            QVERIFY(image.setF32(field, 0, 0, -0.0f));
        });
        QCOMPARE(run({"--compare", zero, minusZero}), 1);
        QVERIFY2(m_out.startsWith("TeachBreakingDecel\t1\t1\t0\t-0\t"), qPrintable(m_out));

        // Texts the sets cannot keep read as the other file's values; they
        // still differ, and the file's text says how.
        const auto wide = [this](const char* name, const char* text) {
            return writeSet(name, [](ParameterImage&) {},
                            {{"UsrSafetyFilterTime", 0, 2, QLatin1String(text)}});
        };
        const QString wideA = wide("wide a.txt", "65546");
        QCOMPARE(run({"--compare", m_good, wideA}), 1);
        QVERIFY2(m_out.startsWith("UsrSafetyFilterTime\t1\t3\t10\t10 (file: 65546)\t"),
                 qPrintable(m_out));
        QCOMPARE(run({"--compare", "--format", "json", wideA, wide("wide b.txt", "131082")}), 1);
        QCOMPARE(json().value("differences").toArray().at(0).toObject().value("b").toString(),
                 QStringLiteral("10 (file: 131082)"));
        QCOMPARE(run({"--compare", wideA, wideA}), 0);
        // An empty text stores 0, as "0" does, but is no number.
        const auto zeroCell = [](ParameterImage& image) {
            QVERIFY(image.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 2, 0));
        };
        const QString emptyText = writeSet("empty text.txt", zeroCell,
                                           {{"UsrSafetyFilterTime", 0, 2, QStringLiteral("")}});
        QCOMPARE(run({"--compare", emptyText, writeSet("zero text.txt", zeroCell)}), 1);
        QVERIFY2(m_out.startsWith("UsrSafetyFilterTime\t1\t3\t0 (file: "), qPrintable(m_out));
        // A float cell stores 0 for a text that is no number.
        const auto decelText = [this](const char* name, const QString& text) {
            return writeSet(name,
                            [](ParameterImage& image) {
                                QVERIFY(image.setF32(fieldNamed("TeachBreakingDecel"), 0, 0, 0.0f));
                            },
                            {{"TeachBreakingDecel", 0, 0, text}});
        };
        const QString notNumber = decelText("not a number.txt", QStringLiteral("abc"));
        QCOMPARE(run({"--compare", notNumber, zero}), 1);
        QVERIFY2(m_out.startsWith("TeachBreakingDecel\t1\t1\t0 (file: abc)\t0\t"),
                 qPrintable(m_out));
        const QString noBreak = decelText("no-break space.txt", QStringLiteral("abc\u00a0"));
        QCOMPARE(run({"--compare", notNumber, noBreak}), 1);
        QCOMPARE(m_out.count('\n'), 1);

        const QString later = writeSet("later.txt", [](ParameterImage& image) {
            QVERIFY(image.setU32(fieldNamed("SystemUpdateTime"), 0, 0, 1700000000));
            QVERIFY(image.setText(fieldNamed("ParameterVersion"), 0, 0, QStringLiteral("V9")));
        });
        QCOMPARE(run({"--compare", m_good, later}), 1);
        QCOMPARE(m_out.count('\n'), 2);
        QVERIFY2(m_out.contains("SystemUpdateTime\t1\t1\t") &&
                     m_out.contains("\t2023-11-14T22:13:20Z\t"),
                 qPrintable(m_out));
        QVERIFY2(m_out.contains("ParameterVersion\t1\t1\t"), qPrintable(m_out));

        // Same values, but one set is signed and the other is not.
        const QString unsignedSet = writeSet("same unsigned.txt", [](ParameterImage&) {},
                                             {{"WholeCRC", 0, 0, QStringLiteral("9894")},
                                              {"AllDataCRC", 0, 0, QStringLiteral("9894")}});
        QCOMPARE(run({"--compare", m_good, unsignedSet}), 1);
        QCOMPARE(m_out.count('\n'), 2);
        QVERIFY2(m_out.contains("WholeCRC\t1\t1\t") && m_out.contains("AllDataCRC\t1\t1\t"),
                 qPrintable(m_out));

        // Texts that differ only past the 31 bytes their fields keep.
        const QString head = QString(31, QLatin1Char('v'));
        const auto version = [this, &head](const char* name, const char* tail) {
            return writeSet(name,
                            [&head](ParameterImage& image) {
                                QVERIFY(image.setText(fieldNamed("ParameterVersion"), 0, 0, head));
                                QVERIFY(image.setText(fieldNamed("RobotTypeName"), 0, 1, head));
                            },
                            {{"ParameterVersion", 0, 0, head + QLatin1String(tail)},
                             {"RobotTypeName", 0, 1, head + QLatin1String(tail)}});
        };
        const QString versionA = version("version a.txt", "a");
        const QString versionB = version("version b.txt", "b");
        QCOMPARE(run({"--compare", versionA, versionB}), 1);
        QCOMPARE(m_out.count('\n'), 2);
        QVERIFY2(
            m_out.contains(
                QStringLiteral("RobotTypeName\t1\t2\t%1 (file: %1a)\t%1 (file: %1b)").arg(head)) &&
                m_out.contains("ParameterVersion\t1\t1\t"),
            qPrintable(m_out));
        // The JSON holds both files' whole texts, of the version (a trailer
        // field) as of the robot type.
        QCOMPARE(run({"--compare", "--format", "json", versionA, versionB}), 1);
        const QJsonArray whole = json().value("differences").toArray();
        QCOMPARE(whole.size(), 2);
        for (const QJsonValue& entry : whole) {
            QCOMPARE(entry["aFileText"].toString(), head + 'a');
            QCOMPARE(entry["bFileText"].toString(), head + 'b');
        }
    }

    // Between two random sets every differing value is one entry, each at
    // a cell of its own.
    void compareRandomSets()
    {
        const QString a = m_dir.filePath(QStringLiteral("random a.txt"));
        const QString b = m_dir.filePath(QStringLiteral("random b.txt"));
        QVERIFY(writeEditedFile(a, randomImage(11)));
        QVERIFY(writeEditedFile(b, randomImage(12)));
        const ParameterImage left = readImage(a);
        const ParameterImage right = readImage(b);
        int expected = 0;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = ParameterLayout::fields()[i];
            if (field.cls == ParamClass::Trailer)
                continue;
            for (int row = 0; row < field.rows; ++row)
                for (int column = 0; column < field.columns; ++column) {
                    const int offset = ParameterLayout::cellOffset(field, row, column);
                    expected += std::memcmp(left.data() + offset, right.data() + offset,
                                            size_t(ParameterLayout::valueSize(field.type))) != 0;
                }
        }
        QVERIFY(expected > 1000);
        QCOMPARE(run({"--compare", "--format", "json", a, b}), 1);
        QSet<QString> cells;
        int values = 0;
        for (const QJsonValue& value : json().value("differences").toArray()) {
            const QJsonObject entry = value.toObject();
            const FieldDef& field = fieldNamed(qPrintable(entry.value("name").toString()));
            if (field.cls == ParamClass::Trailer)
                continue;
            ++values;
            cells.insert(QStringLiteral("%1/%2/%3")
                             .arg(field.no)
                             .arg(entry.value("row").toInt())
                             .arg(entry.value("column").toInt()));
        }
        QCOMPARE(values, expected);
        QCOMPARE(cells.size(), values);
    }

    // A file text reaches the terminal quoted as the shell's $'...', with no
    // control character or NUL, and a long one cut to its first characters
    // with its length named; the JSON keeps the whole text. Two long texts
    // compared each show the part where they differ.
    void fileTextsShownQuotedAndCut()
    {
        const QString control = QStringLiteral("\x1b]0;title\x07\x1b[2J") + QChar(0) + "'z";
        const QString controlSet =
            writeSet("control text.txt", [](ParameterImage&) {}, {{"CommonSpec", 0, 0, control}});
        QCOMPARE(run({"--check", controlSet}), 2);
        QVERIFY2(m_out.contains("0 (file: $'\\x1b]0;title\\x07\\x1b[2J\\x00\\'z')"),
                 qPrintable(m_out));
        QVERIFY(!m_out.contains(QChar(0x1b)) && !m_out.contains(QChar(0)));
        QCOMPARE(run({"--compare", m_good, controlSet}), 1);
        QVERIFY2(m_out.contains("\t0 (file: $'\\x1b]0;"), qPrintable(m_out));
        QVERIFY(!m_out.contains(QChar(0x1b)) && !m_out.contains(QChar(0)));

        const QString head = QString(5000, 'a');
        const QString tail = QString(95000, 'c');
        const auto longSet = [&](const char* name, QChar differing) {
            return writeSet(name, [](ParameterImage&) {},
                            {{"CommonSpec", 0, 0, head + differing + tail}});
        };
        const QString longA = longSet("long a.txt", 'B');
        QCOMPARE(run({"--check", longA}), 2);
        const QString cut = QStringLiteral(" (file: %1… (100,001 characters))").arg(head.left(40));
        QVERIFY2(m_out.contains(cut) && m_out.size() < 400, qPrintable(m_out));
        QCOMPARE(run({"--check", "--format", "json", longA}), 2);
        const QJsonValue entry = firstFileJson()["outsideLimits"].toArray().at(0);
        QCOMPARE(entry["fileText"].toString().size(), 100001);

        QCOMPARE(run({"--compare", longA, longSet("long b.txt", 'D')}), 1);
        const QStringList sides = m_out.split('\t');
        QVERIFY2(sides.size() == 6 && m_out.size() < 400, qPrintable(m_out));
        const auto around = [](char differing) {
            return QStringLiteral("0 (file: …%1%2%3… (100,001 characters))")
                .arg(QString(10, 'a'), QString(QChar(differing)), QString(29, 'c'));
        };
        QCOMPARE(sides.at(3), around('B'));
        QCOMPARE(sides.at(4), around('D'));
        // JSON's a and b as the terminal's, and each file's text whole
        // beside them, where the file has one its set did not keep.
        QCOMPARE(run({"--compare", "--format", "json", longA, controlSet}), 1);
        const QJsonObject both = json()["differences"].toArray().at(0).toObject();
        QCOMPARE(both["a"].toString(),
                 QStringLiteral("0 (file: %1… (100,001 characters))").arg(head.left(40)));
        QCOMPARE(both["aFileText"].toString(), head + 'B' + tail);
        QCOMPARE(both["bFileText"].toString(), control);
        QCOMPARE(run({"--compare", "--format", "json", m_good, controlSet}), 1);
        const QJsonObject one = json()["differences"].toArray().at(0).toObject();
        QVERIFY(!one.contains("aFileText") && one["bFileText"].toString() == control);

        // Stored texts too: the version holds what the unit was given.
        const QString version = writeSet("version.txt", [](ParameterImage& image) {
            QVERIFY(
                image.setText(fieldNamed("ParameterVersion"), 0, 0, QStringLiteral("V\x1b[2J")));
        });
        QCOMPARE(run({"--compare", m_good, version}), 1);
        QVERIFY2(m_out.contains("\t$'V\\x1b[2J'\t"), qPrintable(m_out));

        // A right-to-left override would show "QR6-0700".
        const QString reordered = writeSet("reordered.txt", [](ParameterImage& image) {
            QVERIFY(
                image.setText(fieldNamed("RobotTypeName"), 0, 0, QStringLiteral("QR6\u202e0070-")));
        });
        QCOMPARE(run({"--compare", m_good, reordered}), 1);
        QVERIFY2(m_out.contains("\t$'QR6\\xe2\\x80\\xae0070-'\t"), qPrintable(m_out));
        QVERIFY(!m_out.contains(QChar(0x202e)));
    }

    // What --check shows of a file text and of the value it became: one
    // line, no control character, counted in characters.
    void textsShownEscaped_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString emoji = QStringLiteral("\U0001F600");
        QTest::newRow("only a line separator")
            << QByteArray("CommonSpec") << QStringLiteral("\u2028")
            << QStringLiteral(": 0 (file: $'\\xe2\\x80\\xa8');");
        QTest::newRow("only a next line") << QByteArray("CommonSpec") << QStringLiteral("\u0085")
                                          << QStringLiteral(": 0 (file: $'\\xc2\\x85');");
        // The Arabic letter mark reorders what follows it, as the other
        // bidirectional controls do.
        QTest::newRow("only an Arabic letter mark")
            << QByteArray("CommonSpec") << QStringLiteral("\u061c")
            << QStringLiteral(": 0 (file: $'\\xd8\\x9c');");
        QTest::newRow("50 emoji")
            << QByteArray("CommonSpec") << emoji.repeated(50)
            << QStringLiteral(": 0 (file: %1… (50 characters));").arg(emoji.repeated(40));
        // The value is the text's first 31 bytes.
        const QString type = QStringLiteral("QR6\x1b[2J") + QString(40, 'x');
        QTest::newRow("cut robot type holding ESC")
            << QByteArray("RobotTypeName") << type
            << QStringLiteral(": $'QR6\\x1b[2J%1' (file: $'QR6\\x1b[2J%2'… (47 characters)) [")
                   .arg(QString(24, 'x'), QString(33, 'x'));
    }
    void textsShownEscaped()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const QString set =
            writeSet("shown.txt",
                     [&](ParameterImage& image) {
                         IO::Decoder::storeCell(image, fieldNamed(field.constData()), 0, 0, text);
                     },
                     {{field.constData(), 0, 0, text}});
        QCOMPARE(run({"--check", set}), 2);
        QVERIFY2(m_out.contains(shown), qPrintable(m_out));
        for (const QChar c : {QChar(0x1b), QChar(0x2028), QChar(0x85)})
            QVERIFY(!m_out.contains(c));
    }

    // A format error quotes the file as a file text is shown: no control
    // character reaches the terminal, and a huge name or number is cut, in
    // the text and in the JSON's message alike.
    void formatErrorsQuotedAndCut_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("name holding control characters")
            << QByteArray("1-00-00,Common\x1b]0;PWNED\x07\x1b[2JSpec") + '\0' + ','

            << QStringLiteral("unknown parameter $'Common\\x1b]0;PWNED\\x07\\x1b[2JSpec\\x00'");
        QTest::newRow("name of 10 MB")
            << "1-00-00," + QByteArray(10000000, 'n') + ","
            << QStringLiteral("unknown parameter %1… (10,000,000 characters)")
                   .arg(QString(40, 'n'));
        QTest::newRow("number of 10 MB")
            << QByteArray(10000000, '9') + "-00-00,CommonSpec,"
            << QStringLiteral("CommonSpec has the number %1… (10,000,000 characters), not 1")
                   .arg(QString(40, '9'));
    }
    void formatErrorsQuotedAndCut()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, reason);
        const QString set =
            writeTestFile(m_dir.filePath(QStringLiteral("format error.txt")),
                          readTestFile(m_good).replace("\n1-00-00,CommonSpec,", "\n" + line));
        const QString error = QStringLiteral("format error in line 2: ") + reason;
        const auto safe = [](const QString& text) {
            return text.size() < 1000 && !text.contains(QChar(0x1b)) && !text.contains(QChar(7)) &&
                   !text.contains(QChar(0));
        };
        QCOMPARE(run({"--check", set}), 1);
        QCOMPARE(m_err, set + QStringLiteral(": ") + error + QLatin1Char('\n'));
        QCOMPARE(run({"--check", "--format", "json", set}), 1);
        QCOMPARE(firstFileJson().value("error").toString(), error);
        QVERIFY(safe(m_out));
        QCOMPARE(run({"--compare", m_good, set}), 3);
        QVERIFY2(m_err.contains(error) && safe(m_err), qPrintable(m_err.left(1000)));
    }

    // Anything but a regular file is refused before it is opened; the
    // JSON names the file that could not be read.
    void compareRefusesWhatItCannotRead()
    {
        const QString fifo = m_dir.filePath(QStringLiteral("compare fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(run({"--compare", "--format", "json", m_good, fifo}), 3);
        const QJsonArray unreadable = json().value("unreadable").toArray();
        QCOMPARE(unreadable.size(), 1);
        QCOMPARE(unreadable.at(0).toObject().value("file").toString(), fifo);
        QVERIFY(unreadable.at(0).toObject().value("error").toString().contains("regular file"));
    }

    // Every command line: whether it opens the window and, where it does
    // not, its exit code and output. A usage error gives 64, one line of
    // reason and the usage on standard error and nothing on standard
    // output; the help and the version give 0 and nothing on standard error.
    void commandLines_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<int>("exitCode");  // Window: the window opens
        QTest::addColumn<QString>("holds"); // the reason, or what standard output holds
        const auto row = [](const char* name, const QByteArrayList& arguments, int exitCode,
                            const char* holds) {
            QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(holds);
        };
        const QByteArray a = "a.txt";
        row("check without files", {"--check"}, 64, "at least one file");
        row("compare none", {"--compare"}, 64, "two files");
        row("compare one", {"--compare", a}, 64, "two files");
        row("compare three", {"--compare", a, a, a}, 64, "not 3");
        row("export none", {"--export-report"}, 64, "SET and OUT");
        row("export one", {"--export-report", a}, 64, "not 1");
        row("export three", {"--export-report", a, a, a}, 64, "not 3");
        row("two modes", {"--check", a, "--export-report", a, a}, 64, "one mode per call");
        row("format", {"--check", "--format", "xml", a}, 64, "text or json");
        row("format twice", {"--check", "--format", "json", "--format=text", a}, 64, "twice");
        row("format value missing", {"--check", a, "--format"}, 64, "--format needs");
        row("unknown", {"--check", "--bogus", a}, 64, "unknown option --bogus");
        row("value glued on", {"--check=a.txt"}, 64, "unknown option");
        row("no mode", {"--format", "json", a}, 64, "give --check");
        row("version and more", {"--version", "--check", a}, 64, "--version takes no other");
        row("window option", {"-o", "--check", a}, 64, "window only");
        row("name with newline", {"--check", "--x\ny"}, 64, "$'--x\\ny'");
        row("name with DEL", {"--check", "--x\x7fy"}, 64, "$'--x\\x7fy'");
        row("mistyped mode", {"--chek", a}, 64, "unknown option --chek");
        row("shortened mode", {"--export", a, a}, 64, "unknown option --export");
        row("unknown with value", {"--colour=red"}, 64, "unknown option --colour=red");
        row("help with value", {"-h=x"}, 64, "unknown option -h=x");
        row("check, empty name", {"--check", a, ""}, 64, "a file name is empty");
        row("compare, empty name", {"--compare", "", a}, 64, "a file name is empty");
        row("export, empty OUT", {"--export-report", a, ""}, 64, "a file name is empty");

        row("-?", {"-?"}, 0, "Exit codes");
        row("--help-all", {"--help-all"}, 0, "Exit codes");
        row("-h", {"-h"}, 0, "Exit codes");
        row("help after a mode", {"--export-report", "--help"}, 0, "Exit codes");
        row("help after errors", {"--check", "x", "--bogus", "-?"}, 0, "Exit codes");
        row("version", {"--version"}, 0, "obxsetting " OBX_APP_VERSION "\n");
        // A file of that name lies in the folder the calls are made in.
        row("file named like an option", {"--check", "--", "--help"}, 0, "--help: CRC ");

        row("no options", {}, Window, "");
        row("hide 3d", {"-o"}, Window, "");
        row("hide 3d, long", {"--opengl"}, Window, "");
        row("toolkit, two dashes", {"--platform", "offscreen"}, Window, "");
        row("toolkit, value glued", {"--style=fusion"}, Window, "");
        row("after the end of options", {"--", "--chek"}, Window, "");
    }

    void commandLines()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, holds);
        std::vector<const char*> argv{"obxsetting"};
        for (const QByteArray& argument : qAsConst(arguments))
            argv.push_back(argument.constData());
        QCOMPARE(requested(argv), exitCode != Window);
        if (exitCode == Window)
            return;

        const QString folder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const int code = runRaw(arguments);
        QVERIFY(QDir::setCurrent(folder));
        QCOMPARE(code, exitCode);
        if (exitCode == 0) {
            QVERIFY2(m_out.contains(holds), qPrintable(m_out));
            QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
            return;
        }
        QVERIFY(m_out.isEmpty());
        const QStringList lines = m_err.split('\n');
        QVERIFY2(lines.at(0).startsWith("obxsetting: ") && lines.at(0).contains(holds),
                 qPrintable(m_err));
        QVERIFY2(lines.at(1).startsWith("Usage: obxsetting"), qPrintable(m_err));
    }

    // Names that are no UTF-8, or that hold a line break, are read and
    // shown on one line each, as the shell would quote them.
    void namesAsBytes()
    {
        const QByteArray folder = QFile::encodeName(m_dir.path());
        const QByteArray latin1 = folder + "/caf\xe9 \xe6\xbc\xa2.txt";
        const QByteArray newline = folder + "/two\nlines.txt";
        // Next line, line separator, and the terminal's control sequence introducer.
        const QByteArray breaks = folder + "/nel\xc2\x85 ls\xe2\x80\xa8 csi\xc2\x9b.txt";
        const QByteArray good = readTestFile(m_good);
        for (const QByteArray& name : {latin1, newline, breaks}) {
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, good.constData(), size_t(good.size())), ssize_t(good.size()));
            ::close(fd);
        }
        QCOMPARE(runRaw({"--check", latin1, newline, breaks}), 0);
        const QStringList lines = m_out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(
            lines.at(0).startsWith(QStringLiteral("$'%1/caf\\xe9 漢.txt': CRC ").arg(m_dir.path())),
            qPrintable(lines.at(0)));
        QVERIFY2(
            lines.at(1).startsWith(QStringLiteral("$'%1/two\\nlines.txt': CRC ").arg(m_dir.path())),
            qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).startsWith(
                     QStringLiteral("$'%1/nel\\xc2\\x85 ls\\xe2\\x80\\xa8 csi\\xc2\\x9b.txt': CRC ")
                         .arg(m_dir.path())),
                 qPrintable(lines.at(2)));
        QCOMPARE(runRaw({"--compare", latin1, newline}), 0);
        // The toolkit cannot remove what it cannot name.
        QCOMPARE(::unlink(latin1.constData()), 0);
    }

    // The real program: no display, no platform setting, and an open
    // program holding the single-instance lock.
    void runsWithoutDisplayBesideOpenProgram()
    {
        QVERIFY(requested({"obxsetting", "--check", "a.txt"}));
        QVERIFY(requested({"obxsetting", "--format=json"}));
        QVERIFY(!requested({"obxsetting", "-o"}));

        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        QCOMPARE(SingleInstance::acquire(QStringLiteral("obxsetting")), SingleInstance::Acquired);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(OBX_RUNTIME_DIR "/obxsetting"),
                      {"--check", m_good, m_outside});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(out.contains(m_good + QStringLiteral(": CRC ")), qPrintable(out));
        QVERIFY(out.contains(QLatin1String("Safety Input")));
        SingleInstance::release();
    }
};

QTEST_GUILESS_MAIN(TestCommandLineTool)
#include "tst_commandlinetool.moc"
