// Holds the one-pass parameter file reader to the behaviour of the reader it
// replaced (kept in tests/support only for this): the same result, error
// record, logged lines, text table and image for every file, from the fuzz
// seeds and the shipped set to thousands of mutated files.

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "imagecells.h"
#include "legacyparameterreader.h"
#include "messagecapture.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"
#include "randomimage.h"
#include "testfiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

// Bytes that change how a line or the block reads.
const QList<QByteArray> tokens =
    QList<QByteArray>{",", "-", "\n", "\r", "\r\n", " ",  "\t",   ".",        "e",
                      "E", "+", "0",  "9",  "00",   "99", ".END", ".OBXDATA", ".OBXDATA\n"} +
    QList<QByteArray>{"\xEF\xBB\xBF", "\xC3",       "\xC3\xA9", "\xE2\x88\x92", "\xFF\xFE",
                      "\xC2\xA0",     "nan",        "inf",      "-0",           "1e-45",
                      "3.5e+38",      "4294967296", "40000"} +
    QList<QByteArray>{"CommonSpec", "RobotTypeName", "MoveAreaX", "AllDataCRC",
                      "9894",       "0x10",          "\x0b",      "\x0c"};

// valuesOnly: only the texts between commas change.
QByteArray mutated(QByteArray bytes, QRandomGenerator& random, bool valuesOnly = false)
{
    const int edits = 1 + random.bounded(4);
    for (int e = 0; e < edits; ++e) {
        const int at = bytes.isEmpty() ? 0 : random.bounded(bytes.size());
        const QByteArray token = tokens.at(random.bounded(tokens.size()));
        switch (valuesOnly ? 5 : random.bounded(6)) {
        case 0: // replace one byte
            bytes.replace(at, 1, token);
            break;
        case 1: // insert
            bytes.insert(at, token);
            break;
        case 2: // delete a run
            bytes.remove(at, 1 + random.bounded(8));
            break;
        case 3: { // duplicate or move a line
            const int begin = bytes.lastIndexOf('\n', at) + 1;
            const int end = bytes.indexOf('\n', at);
            if (end < 0)
                break;
            const QByteArray line = bytes.mid(begin, end - begin + 1);
            if (random.bounded(2))
                bytes.remove(begin, line.size());
            bytes.insert(random.bounded(bytes.size() + 1), line);
            break;
        }
        case 4: // a random byte
            bytes[at < bytes.size() ? at : 0] = char(random.bounded(256));
            break;
        default: { // change a value: the text between two commas
            const int comma = bytes.indexOf(',', at);
            const int next = comma < 0 ? -1 : bytes.indexOf(',', comma + 1);
            if (next > comma)
                bytes.replace(comma + 1, next - comma - 1,
                              random.bounded(2) ? token : QByteArray::number(random.generate()));
            break;
        }
        }
    }
    return bytes;
}

} // namespace

class TestParameterReaderDiff : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IO::Procedure* m_procedure = nullptr;
    LegacyParameterReader* m_legacy = nullptr;
    QList<QByteArray> m_seeds;
    QList<QByteArray> m_smallSeeds; // below 4 KB
    int m_compared = 0;
    int m_accepted = 0; // files read whole by both

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    // The result of read(), with what it logged.
    template <class Read> static auto logging(QStringList& log, Read read)
    {
        MessageCapture capture;
        const auto result = read();
        log = capture.messages();
        return result;
    }

    // Reads the file with both readers in every way the program reads one.
    void compare(const QByteArray& content, const QByteArray& what)
    {
        const QString file = writeTestFile(path("diff.txt"), content);
        ++m_compared;

        ParameterTextTable legacyTable, newTable;
        m_procedure->parser->makeTable(legacyTable);
        newTable = legacyTable;
        QStringList legacyLog, newLog;
        const IO::ParseResult legacyResult =
            logging(legacyLog, [&] { return m_legacy->parseText(legacyTable, file); });
        const IO::ParseResult newResult =
            logging(newLog, [&] { return m_procedure->parser->parseText(newTable, file); });
        QVERIFY2(newLog == legacyLog, what + "\nold:\n" + legacyLog.join('\n').toUtf8() +
                                          "\nnew:\n" + newLog.join('\n').toUtf8());
        QVERIFY2(newResult.ok == legacyResult.ok && newResult.errorKind == legacyResult.errorKind,
                 what);
        QVERIFY2(newResult.valueCounts == legacyResult.valueCounts, what);
        QVERIFY2(newTable == legacyTable, what);

        // readAll, then readData in each mode, into a target whose every byte
        // (the gaps too) differs from a zeroed image.
        ParameterImage target;
        std::memset(target.data(), 0x5A, ParameterImage::Size);
        for (int mode : {-1, int(IO::Procedure::RobotPart), int(IO::Procedure::UserPart),
                         int(IO::Procedure::AllParts)}) {
            bool read = false;
            compareRead(file, mode, target, what + " mode " + QByteArray::number(mode), &read);
            if (!read)
                break; // the other modes refuse the same file alike
        }
    }

    // Reads the file into the target with both readers: readAll for mode -1,
    // else readData; *read: whether both read it.
    void compareRead(const QString& file, int mode, const ParameterImage& target,
                     const QByteArray& where, bool* read)
    {
        ParameterImage legacyImage = target, newImage = target;
        DataProviderErrorRecord legacyError, newError;
        QStringList legacyLog, newLog;
        const bool legacyRead = logging(legacyLog, [&] {
            return m_legacy->read(legacyImage, file, mode < 0 ? 2 : mode, mode < 0, legacyError);
        });
        const bool newRead = logging(newLog, [&] {
            return mode < 0 ? m_procedure->readAll(newImage, file, newError)
                            : m_procedure->readData(newImage, file, mode, newError);
        });
        *read = false;
        QVERIFY2(newLog == legacyLog, where + "\nold:\n" + legacyLog.join('\n').toUtf8() +
                                          "\nnew:\n" + newLog.join('\n').toUtf8());
        QVERIFY2(newRead == legacyRead, where);
        QVERIFY2(newError.errorCode == legacyError.errorCode &&
                     newError.source == legacyError.source,
                 where);
        QVERIFY2(newImage == legacyImage, where);
        *read = legacyRead;
        m_accepted += mode < 0 && legacyRead;
    }

    // A complete file whose signature is skipped, so that changed values
    // still reach the image.
    QByteArray unsignedFile(quint32 seed)
    {
        ParameterImage image = randomImage(seed);
        QString file = path("unsigned.txt");
        m_procedure->outputFile(file, image);
        QByteArray bytes = readTestFile(file);
        for (const char* name :
             {"WholeCRC", "SystemCRC", "MonitorCRC", "SignalCRC", "AllDataCRC"}) {
            const QByteArray head = "," + QByteArray(name) + ",";
            const int at = bytes.indexOf(head) + head.size();
            bytes.replace(at, bytes.indexOf(',', at) - at, "9894");
        }
        return bytes;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_procedure = new IO::Procedure(this);
        m_procedure->parser->loadInfo();
        m_legacy = new LegacyParameterReader(*m_procedure->parser);

        for (const QString& folder : {QStringLiteral(OBX_SOURCE_DIR "/fuzz/corpus"),
                                      QStringLiteral(OBX_SOURCE_DIR "/config/parameter")}) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                m_seeds << readTestFile(dir.filePath(name));
                if (m_seeds.last().size() < 4096)
                    m_smallSeeds << m_seeds.last();
            }
        }
        QVERIFY(m_smallSeeds.size() > 3 && m_seeds.size() > m_smallSeeds.size());
    }

    void init()
    {
        Setting::instance()->resetToDefaults();
        isVSFtoAFM = false;
    }

    void cleanupTestCase()
    {
        qInfo("%d files compared, %d of them read whole", m_compared, m_accepted);
    }

    void seedsReadAlike()
    {
        for (bool vsf : {false, true}) {
            isVSFtoAFM = vsf;
            for (const QByteArray& seed : qAsConst(m_seeds)) {
                compare(seed, "seed");
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    // What a text stream made of the bytes: other line ends, byte order
    // marks, a huge file, a missing one, the simulated faults.
    void specialFilesReadAlike()
    {
        const QByteArray base = unsignedFile(1);
        QByteArray utf16 = "\xFF\xFE";
        const QString text = QString::fromUtf8(base);
        utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        for (const QByteArray& content : QList<QByteArray>{
                 base, QByteArray(base).replace("\r\n", "\n"),
                 QByteArray(base).replace("\r\n", "\r"), "\xEF\xBB\xBF" + base,
                 "\r\xEF\xBB\xBF" + base, utf16, QByteArray(".OBXDATA.END"),
                 QByteArray(".OBXDATA.END x\n.OBXDATA\n1-00-00,CommonSpec,1, x,\n.END"),
                 QByteArray(".OBXDATA\n\n.END"), QByteArray(".OBXDATA\n.END"), QByteArray()}) {
            compare(content, "special " + content.left(40).toHex());
            if (QTest::currentTestFailed())
                return;
        }
        for (const char* fake : {"read", "FORMAT", "write"}) {
            loadSettingsFile(path("config.ini"), QByteArray("[Test]\nFakeFileIOError=") + fake);
            compare(base, fake);
        }
        Setting::instance()->resetToDefaults();

        bool read = true;
        compareRead(path("missing.txt"), -1, ParameterImage(), "missing", &read);
        QVERIFY(!read);
    }

    void mutatedFilesReadAlike()
    {
        QRandomGenerator random(20240601);
        const QByteArray full = unsignedFile(7);
        // Mostly the small seeds (fast); the full file for what only a
        // complete, accepted file reaches.
        for (int i = 0; i < 2000; ++i) {
            isVSFtoAFM = random.bounded(2);
            const bool whole = i % 10 == 0;
            const QByteArray& seed =
                whole ? full : m_smallSeeds.at(random.bounded(m_smallSeeds.size()));
            compare(mutated(seed, random, whole && i % 20 == 0),
                    "mutation " + QByteArray::number(i));
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Definitions that differ from the image fields: a parameter the list
    // lacks, another whose shape is smaller than its field.
    void oddDefinitionsReadAlike()
    {
        IO::Parser* parser = m_procedure->parser;
        const QByteArray base = unsignedFile(3);
        const QMap<QString, ParameterInfo> saved = parser->parameterInfos;
        parser->parameterInfos.remove(QStringLiteral("RobotNo"));
        parser->parameterInfos[QStringLiteral("DHPrmA0")].DataNum = 20;
        parser->parameterInfos[QStringLiteral("CommonSpec")].ParamClass = 1;
        QRandomGenerator random(5);
        compare(base, "odd definitions");
        for (int i = 0; i < 50 && !QTest::currentTestFailed(); ++i)
            compare(mutated(base, random), "odd definitions mutated");
        parser->parameterInfos = saved;
    }
};

QTEST_GUILESS_MAIN(TestParameterReaderDiff)
#include "tst_parameterreaderdiff.moc"
