#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

#include "defaultimage.h"
#include "editedfile.h"
#include "randomimage.h"
#include "testfiles.h"

#include "app/core/languagesetting.h"
#include "app/functionmenuwidget.h"
#include "app/reportexport.h"
#include "app/safetyreport.h"
#include "io/filedialog.h"
#include "parameter/decoder.h"
#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "parameter/parameter.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"
#include "parameter/valuevalidator.h"
#include "widgets/msgbox.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

namespace {

// The page headings the report must carry, in the function menu's order.
const QStringList pageNodes =
    QString("SettingCommon|ArmModel|ToolModel|AreaModel|MonitoringSettingStopDistanceEstimation"
            "|Joint|ArmSpeed|ToolSpeed|ModeSpeed|CustomSpeed|ToolOrientation|StopMonitoring"
            "|MonitoringSettingProtectiveStopSafetyFence|ProtectiveStopUserProtectiveStop"
            "|MonitoringSettingEmergencyStop|SafetyInput|LogicalOperation")
        .split('|');

// The PDF's text in reading order, runs of white space made one blank.
// CJK glyphs that a font shares with a radical come back as the radical;
// NFKC folds them onto the ideograph.
QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

int offsetOf(int parameterNo, int group, int element)
{
    return int(ParameterDefDB::instance()
                   ->findParamByNo(quint32(parameterNo))
                   ->valueOffset(group, element));
}

// The PDF's text with its columns kept apart: a table row's first line
// holds the first line of every cell.
QStringList pdfLayoutLines(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// A crafted set read as the command line reads it, with the findings that
// its file's texts show too.
QVector<LimitEntry> readWithFindings(const QString& path, ParameterImage& image)
{
    IO::Procedure procedure;
    DataProviderErrorRecord error;
    if (!procedure.readAll(image, path, error))
        return {};
    ParameterTextTable texts;
    procedure.parser->makeTable(texts);
    procedure.parser->extractToMap(texts, path, error);
    return ValueValidator::check(image, &texts);
}

// A word of the PDF and where it lies on its page, in points from the top.
struct PdfWord
{
    QString text;
    double top = 0.0;
    double bottom = 0.0;
};

// Each page's words.
QVector<QVector<PdfWord>> pdfPageWords(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"[^\"]*\" yMin=\"([^\"]*)\" xMax=\"[^\"]*\" "
                       "yMax=\"([^\"]*)\">([^<]*)</word>"));
    QVector<QVector<PdfWord>> pages;
    for (const QString& page : html.split(QStringLiteral("<page ")).mid(1)) {
        QVector<PdfWord> words;
        for (auto match = word.globalMatch(page); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            words.append(
                {found.captured(3), found.captured(1).toDouble(), found.captured(2).toDouble()});
        }
        pages.append(words);
    }
    return pages;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

// The PDF safety report: its texts read back from the file, odd values,
// the Japanese catalogue and font, the menu's file chooser and boxes, and
// folders that cannot be written.
class TestSafetyReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ParameterImage m_image;

    QString writeReport(const SafetyReport& report, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        return report.write(path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        loadSettingsFile(m_dir.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nFontPath=" OBX_RUNTIME_DIR "/assets/font\n"
                         "RobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n"
                         "ParameterPath=" +
                             m_dir.path().toUtf8() + "\n");
        LanguageSetting::setLanguage(&LanguageSetting::findRow(QStringLiteral("en")));
        LogicSignalDef::initialize();
        QVERIFY(readDefaultImage(m_image));
        Parameter::instance()->editImage() = m_image;
        Parameter::instance()->setMasterData(true);
    }

    void textsOfTheDefaultSet()
    {
        ParameterImage image = m_image;
        // Three chosen values: a motion area's upper Z, a tool model's
        // radius and a joint limit.
        QVERIFY(image.setF32At(offsetOf(3145, 3, 1), 1234.5f)); // MoveAreaZulimit, set 3
        QVERIFY(image.setF32At(offsetOf(3130, 2, 4), 77.25f));  // ToolModelRadius, tool 2, model 4
        QVERIFY(image.setF32At(offsetOf(3204, 1, 5), -43.5f));  // AlwaysAxisRangeLlimit, joint 5
        SafetyReport report(image, QStringLiteral("set-under-test.txt"));
        const QString path = writeReport(report, QStringLiteral("default.pdf"));
        QVERIFY(!path.isEmpty());
        QCOMPARE(filesIn(m_dir.path()).filter(QStringLiteral(".pdf")),
                 {QStringLiteral("default.pdf")});

        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("set-under-test.txt")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("QR6-0700")));
        for (const auto& row : Property::SafetySignatureCRC::signatureRows(image))
            QVERIFY2(text.contains(row.label + ' ' + row.text), qPrintable(row.label));
        QVERIFY(text.contains(QStringLiteral("All data CRC ") +
                              Property::SafetySignatureCRC::crcText(image.allDataCRC())));
        // Scene 24 has no text in the catalogues: its heading is the name
        // its parameters share, not its key.
        for (const QString& node : pageNodes)
            QVERIFY2(text.contains(FunctionMenuWidget::nodeText(node)) !=
                         node.endsWith(QStringLiteral("StopDistanceEstimation")),
                     qPrintable(node));
        QVERIFY(text.contains(QStringLiteral(
            "Motion Area Monitoring Function - Stop Distance Estimation Parameter Value")));
        for (const char* value : {"1234.5", "77.25", "-43.5"})
            QVERIFY2(text.contains(QLatin1String(value)), value);
        // The plan view is drawn on the off-screen platform too: its axes,
        // scale bar and legend are the PDF's text.
        QVERIFY(text.contains(QStringLiteral("Plan view (XY) +X")));
        for (const char* label : {"+Y", "Robot in its home pose", "No motion area is enabled."})
            QVERIFY2(text.contains(QLatin1String(label)), label);
        QVERIFY(text.contains(QRegularExpression(QStringLiteral(" [125]0+ mm "))));
        QVERIFY(!text.contains(QStringLiteral("not drawn")));
        QVERIFY(!text.contains(QStringLiteral("Values outside their limits are marked.")));
        // A clean set: the title page and the closing section say so.
        QVERIFY(text.contains(
            QStringLiteral("Findings 0 values outside their limits, 0 file texts not kept")));
        // The closing list is headed with the same count.
        QVERIFY(text.contains(
            QStringLiteral("0 values outside their limits, 0 file texts not kept None.")));
    }

    void oddValuesShownAsStored()
    {
        ParameterImage image = m_image;
        QVERIFY(image.setI16At(40916, 1));             // MoveAreaValid, set 1
        QVERIFY(image.setF32At(40936, std::nanf(""))); // MoveAreaX, set 1 vertex 1
        QVERIFY(image.setI16At(40932, 99));            // MoveAreaVertexNum, set 1: past 8, marked
        QVERIFY(image.setI16At(62252, 77));            // logic type 77, result 1
        QVERIFY(image.setI16At(63052, 9999));          // its input: no such signal
        // Signals driven by result 1 through an entry that names no signal,
        // by the unused result 7, and by numbers that are no result.
        QVERIFY(LogicTable::setAssignment(image, LogicTable::InternalInput, 199, 1)); // 60200
        QVERIFY(LogicTable::setAssignment(image, LogicTable::UserOutput, 2, 7));
        QVERIFY(LogicTable::setAssignment(image, LogicTable::UserOutput, 0, 401));
        QVERIFY(LogicTable::setAssignment(image, LogicTable::NetworkOutput, 1, -5));
        SafetyReport report(image, QString());
        int lastStep = 0;
        const QString path = m_dir.filePath(QStringLiteral("odd.pdf"));
        QVERIFY(report.write(path, [&lastStep](int done, int total) {
            QCOMPARE(done, lastStep + 1);
            QVERIFY(done <= total);
            lastStep = done;
        }));
        QCOMPARE(lastStep, SafetyReport::StepCount);

        const QString text = pdfText(path);
        QVERIFY(text.contains(QStringLiteral("nan")));
        QVERIFY(text.contains(QStringLiteral(" 99 ")));
        // The odd logic values marked with their numbers in the closing
        // list, after the area's vertex count and its first X.
        QVERIFY2(text.contains(QStringLiteral("[77] (9999) (?) [#3] [#4] 60200")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("7 Logical Operation Result 7 (Invalid) User Safety "
                                             "Output 3")));
        QVERIFY(text.contains(QStringLiteral("User Safety Output 1 = 401 [#5], Network Safety "
                                             "Output 2 = -5 [#6]")));
        // The enabled area whose corners cannot be drawn is named.
        QVERIFY(text.contains(QStringLiteral("Area 1: enabled, not drawn")));
        QVERIFY(text.contains(QStringLiteral("Values outside their limits are marked.")));

        // Alone outside its limits, in the second set of a table whose sets
        // are the field's columns: still marked.
        ParameterImage second = m_image;
        QVERIFY(second.setF32At(offsetOf(3145, 2, 1), 3.0e38f)); // MoveAreaZulimit, set 2
        QVERIFY(SafetyReport(second, QString()).write(path));
        QCOMPARE(pdfText(path).count(QStringLiteral("Values outside their limits are marked.")), 1);
    }

    // Numbers far beyond any cell (an area's corner, an arm model's radius,
    // a tool cuboid's width) leave the PDF readable: the plan page keeps
    // its legend, which names every enabled element it could not draw. An
    // area at its limit is on the plan, whose grid stays apart.
    void planOfHugeNumbersStaysReadable()
    {
        const auto cell = [](int no, int row, int column) {
            return ParameterLayout::cellOffset(*ParameterLayout::findByNo(no), row, column);
        };
        ParameterImage image = m_image;
        QVERIFY(image.setI16At(cell(3143, 0, 0), 1));       // MoveAreaValid, area 1
        QVERIFY(image.setF32At(cell(3148, 0, 0), 1.0e30f)); // its first X
        QVERIFY(image.setI16At(cell(3143, 0, 1), 1));       // area 2: at its limit, 100 m out
        QVERIFY(image.setF32At(cell(3148, 1, 0), 100000.0f));
        QVERIFY(image.setI16At(cell(3110, 0, 0), 12));      // maker arm model 1 on frame 12
        QVERIFY(image.setI16At(cell(3111, 0, 0), 1));       // a capsule
        QVERIFY(image.setF32At(cell(3112, 0, 0), 1.0e30f)); // its radius
        QVERIFY(image.setI16At(cell(3128, 0, 0), 1));       // tool 1, model 1 enabled
        QVERIFY(image.setI16At(cell(3129, 0, 0), 2));       // a cuboid
        QVERIFY(image.setF32At(cell(3131, 0, 0), 3.0e38f)); // its width
        const QString path = writeReport(SafetyReport(image, QString()), "huge.pdf");
        QVERIFY(!path.isEmpty());

        QProcess process;
        process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray errors = process.readAllStandardError();
        QVERIFY2(errors.isEmpty(), errors.constData());
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        for (const char* line : {"Area 1: enabled, not drawn", "Arm model 1: enabled, not drawn",
                                 "Tool model 1 of tool 1: enabled, not drawn",
                                 "Area 2: forbidden, Z -1000 to 2000 mm"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
        // A plan 220 m across: its finer grid lines stay some 50 at most.
        const QRegularExpressionMatch grid =
            QRegularExpression(
                QStringLiteral("Grid lines every (\\d+) mm, heavier every (\\d+) mm"))
                .match(text);
        QVERIFY2(grid.hasMatch(), qPrintable(text.right(800)));
        QVERIFY(220000 / grid.captured(1).toInt() <= 50);
        QVERIFY(grid.captured(2).toInt() > grid.captured(1).toInt());
    }

    // Every value the validator lists is in the report: marked with its
    // number where a page shows it (even in a row that would be left out
    // as all 0, and at the right value of a two-value cell), counted on the
    // title page and listed at the end with its page, row, column, value
    // and limits.
    void everyFindingListedAndMarked_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown"); // the first finding where a page shows it
        QTest::addColumn<QString>("page");  // its page in the closing list
        QTest::newRow("all 0, signed") << "all-zero.txt" << 138 << "Tool 1 0 [#1] Tool 2 0 [#2]"
                                       << "Common";
        QTest::newRow("tool 5 conversion 0")
            << "tool5-conversion-0.txt" << 1 << "Tool 4 4 Tool 5 0 [#1] Tool 6 6"
            << "Common";
        QTest::newRow("CommonSpec 5") << "commonspec-5.txt" << 1 << QString() << "System";
        QTest::newRow("DHPrmAxisNo 99") << "dhprmaxisno-99.txt" << 1 << QString() << "no page";
        QTest::newRow("second value of a two-value cell")
            << "teachspeedarmvalid-2000000.txt" << 1 << "0x00000000, 0x001e8480 [#1]"
            << "Speed";
        // A time the set did not keep, shown on the title page; no limits.
        ParameterImage image = defaultImage();
        QVERIFY(image.setU32(fieldNamed("SystemUpdateTime"), 0, 0, 0));
        const QString time = m_dir.filePath(QStringLiteral("update-time-abc.txt"));
        QVERIFY(writeEditedFile(time, image, {{"SystemUpdateTime", 0, 0, QStringLiteral("abc")}}));
        QTest::newRow("update time not kept")
            << time << 1 << "System Settings Update Time Thu, Jan 1, 1970 12:00:00 AM [#1]"
            << "Safety"; // "Signature" on the row's next line
    }

    void everyFindingListedAndMarked()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(QString, shown);
        QFETCH(QString, page);
        ParameterImage image;
        const QVector<LimitEntry> entries = readWithFindings(
            QDir(QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/")).filePath(file), image);
        QCOMPARE(entries.size(), count);
        const QString path = writeReport(SafetyReport(image, file, entries), "findings.pdf");
        QVERIFY(!path.isEmpty());

        const QString text = pdfText(path);
        QVERIFY2(text.contains(shown), qPrintable(text.right(600)));
        QVERIFY(!text.contains(QStringLiteral("0x00000000 [#1]")));
        QVERIFY(text.contains(
            QStringLiteral("Findings %1 Report date").arg(FindingCount::of(entries).text())));
        const QStringList lines = pdfLayoutLines(path);
        // Headed with the count: a list of file texts alone is no list of
        // values outside their limits.
        const int closing = lines.lastIndexOf(QRegularExpression(
            QStringLiteral("^\\f?%1$")
                .arg(QRegularExpression::escape(FindingCount::of(entries).text()))));
        QVERIFY(closing > 0);
        const QString pages = lines.mid(0, closing).join('\n');
        const QString list = lines.mid(closing).join('\n');
        QVERIFY(!lines.filter(QRegularExpression(QStringLiteral("^\\f?\\[#1\\]\\s+") + page))
                     .isEmpty());
        for (int i = 0; i < entries.size(); ++i) {
            const LimitEntry& entry = entries[i];
            const QString mark = QStringLiteral("[#%1]").arg(i + 1);
            // The safety function and logic pages have a section, and the
            // title page shows the signature; the system page's and the
            // robot data's values are in the closing list alone.
            const bool onPage = entry.scene >= 20 || entry.scene == 18;
            QCOMPARE(list.count(mark), 1);
            QCOMPARE(pages.count(mark), onPage ? 1 : 0);
            // A cell without limits ends with its value and the file's text.
            const QString last =
                entry.hasLimits
                    ? QStringLiteral("\\s+") + QRegularExpression::escape(entry.limitsText())
                    : QStringLiteral(" \\(file: .*\\)");
            const QRegularExpression row(
                QStringLiteral("^\\f?%1\\s.*\\s%2\\s+%3\\s+%4%5\\s*$")
                    .arg(QRegularExpression::escape(mark))
                    .arg(entry.row + 1)
                    .arg(entry.column + 1)
                    .arg(QRegularExpression::escape(entry.valueText), last));
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&](const QString& line) { return row.match(line).hasMatch(); }),
                     qPrintable(row.pattern() + '\n' + lines.filter(mark).join('\n')));
        }
    }

    // Sixteen areas and forty models that cannot be drawn: the plan with
    // its long legend still fits on its page.
    void longPlanLegendStaysOnItsPage()
    {
        const auto cell = [](int no, int row, int column) {
            return ParameterLayout::cellOffset(*ParameterLayout::findByNo(no), row, column);
        };
        ParameterImage image = m_image;
        for (int k = 0; k < 20; ++k) {
            if (k < 16)
                QVERIFY(image.setI16At(cell(3143, 0, k), 1)); // every area
            QVERIFY(image.setI16At(cell(3110, 0, k), 12));    // maker arm models
            QVERIFY(image.setF32At(cell(3112, 0, k), std::nanf("")));
            QVERIFY(image.setI16At(cell(3128, 0, k), 1)); // tool 1's models
            QVERIFY(image.setF32At(cell(3130, 0, k), std::nanf("")));
        }
        const QString path = writeReport(SafetyReport(image, QString()), "long-legend.pdf");
        QVERIFY(!path.isEmpty());
        const QStringList pages = pdfText(path).split(QStringLiteral("Plan view (XY)"));
        QCOMPARE(pages.size(), 2);
        // The legend's last line, then the page number, then the next page.
        const QString plan =
            pages[1].section(FindingCount::of(ValueValidator::check(image)).text(), 0, 0);
        QVERIFY2(plan.contains(QRegularExpression(QStringLiteral(
                     "Tool model 20 of tool 1: enabled, not drawn \\(its values are not usable\\) "
                     "Grid lines every 100 mm, heavier every 1000 mm\\. \\d+ $"))),
                 qPrintable(plan.right(300)));
        // Drawn once: not cut at the page's end and drawn on again at the
        // top of the next.
        QCOMPARE(plan.count(QStringLiteral("Arm model 12: enabled")), 1);
    }

    // Nothing of the set passes for a mark or moves the plan: the formula
    // of an odd operation type shows that number in brackets, which must
    // not read as the mark of the finding with that number; a source named
    // like the old placeholder of the plan stays a name.
    void nothingOfTheSetPassesForAMarkOrThePlan()
    {
        ParameterImage image = m_image;
        for (int tool = 0; tool < 5; ++tool) // five findings before the logic
            QVERIFY(image.setI16At(
                ParameterLayout::cellOffset(*ParameterLayout::findByNo(3002), 0, tool), 0));
        QVERIFY(image.setI16At(62252, 6)); // operation type 6 of result 1
        QVector<LimitEntry> entries = ValueValidator::check(image);
        QCOMPARE(entries.size(), 6);
        QCOMPARE(entries[5].no, 6101u);
        const QString path =
            writeReport(SafetyReport(image, QStringLiteral("[[plan view]]"), entries), "marks.pdf");
        QVERIFY(!path.isEmpty());
        const QString text = pdfText(path);
        QVERIFY(text.contains(QStringLiteral("Source [[plan view]]")));
        QVERIFY(text.indexOf(QStringLiteral("Robot in its home pose")) >
                text.indexOf(QStringLiteral("Plan view (XY)")));
        QVERIFY2(text.contains(QStringLiteral("[6] (?) (?) [#6]")), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("[#6]")), 2); // on its page and in the list
    }

    // Thousands of findings (a damaged file) fill some 700 pages: the
    // text of the last one is still in the PDF (a document's text beyond
    // some 600 pages was lost), its mark on one line.
    void everyFindingOfAHugeListLegible()
    {
        ParameterImage image;
        QVector<LimitEntry> entries = readWithFindings(
            QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/tool5-conversion-0.txt"), image);
        QCOMPARE(entries.size(), 1);
        entries[0].fileText = QStringLiteral("a text of many words ").repeated(10).trimmed();
        entries = QVector<LimitEntry>(4000, entries[0]);
        const QString path = writeReport(SafetyReport(image, QString(), entries), "huge-list.pdf");
        QVERIFY(!path.isEmpty());
        const QStringList lines = pdfLayoutLines(path);
        QVERIFY(lines.size() > 700 * 20);
        // Four-digit marks keep to one line.
        for (const char* mark : {"^\\f?\\[#1000\\]\\s", "^\\f?\\[#4000\\]\\s"})
            QVERIFY2(!lines.filter(QRegularExpression(QLatin1String(mark))).isEmpty(), mark);
    }

    // The closing list of a random set, two findings of each parameter: a
    // row stays on its page, each page starts with the table's head, and
    // the names break between words, or before a capital letter or a digit
    // where a word is wider than its column.
    void findingsRowsWholeNamesReadable()
    {
        QVector<LimitEntry> entries;
        QHash<quint32, int> numbers;
        QSet<QString> words;
        QSet<QString> identifiers;
        for (const LimitEntry& entry : ValueValidator::check(randomImage(1))) {
            if (numbers[entry.no]++ >= 2)
                continue;
            entries << entry;
            if (QRegularExpression(QStringLiteral("^\\w+$")).match(entry.name).hasMatch())
                identifiers.insert(entry.name);
            for (const QString& name : {entry.name, entry.displayName})
                for (const QString& word : name.split(QLatin1Char(' ')))
                    words.insert(word);
        }
        QVERIFY(entries.size() > 300);
        const QString path = writeReport(SafetyReport(m_image, QString(), entries), "rows.pdf");
        QVERIFY(!path.isEmpty());

        const QStringList pages = pdfLayoutLines(path).join('\n').split('\f');
        const QRegularExpression head(QStringLiteral("^\\s*No\\.\\s+Page\\s+Parameter\\s+Row.*"));
        int listPages = 0;
        for (const QString& page : pages) {
            QStringList lines = page.split('\n');
            lines.erase(
                std::remove_if(lines.begin(), lines.end(),
                               [](const QString& line) { return line.trimmed().isEmpty(); }),
                lines.end());
            const int at = lines.indexOf(head);
            // The pages before the list, and the end after the last page.
            if ((listPages == 0 && at < 0) || lines.isEmpty())
                continue;
            ++listPages;
            const QString first = lines.at(at < 0 ? 0 : at + 1);
            QVERIFY2(first.startsWith(QStringLiteral("[#")), qPrintable(first));
            QVERIFY2(at >= 0, qPrintable(lines.first()));
        }
        QVERIFY(listPages > 20);

        // Two pieces of one word, neither a word itself: a break inside a
        // word, which must come before a capital letter or a digit. Names too
        // wide for their column do break, rather than widen it.
        const QString text = pdfText(path);
        const QStringList tokens =
            text.mid(text.lastIndexOf(FindingCount::of(entries).text())).split(QLatin1Char(' '));
        int identifiersBroken = 0;
        for (int i = 1; i < tokens.size(); ++i) {
            const QString joined = tokens.at(i - 1) + tokens.at(i);
            if (tokens.at(i).isEmpty() || words.contains(tokens.at(i - 1)) ||
                words.contains(tokens.at(i)) ||
                std::none_of(words.begin(), words.end(),
                             [&](const QString& word) { return word.contains(joined); }))
                continue;
            QVERIFY2(tokens.at(i).at(0).isUpper() || tokens.at(i).at(0).isDigit(),
                     qPrintable(tokens.at(i - 1) + QLatin1Char('|') + tokens.at(i)));
            identifiersBroken +=
                std::any_of(identifiers.begin(), identifiers.end(),
                            [&](const QString& name) { return name.contains(joined); });
        }
        QVERIFY(identifiersBroken > 0);
    }

    // The closing list as its pages show it: no row runs over a page's
    // number, not even one whose cell of escapes would be taller than a
    // page (it shows its beginning and its length), and the pages after
    // the first hold rows down to their foot. A robot type that the set
    // cut is marked on the title page as on the list.
    void findingsListFitsItsPages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("copies");        // of its findings
        QTest::addColumn<QString>("robotType"); // on the title page, without blanks
        QTest::addColumn<QString>("listed");    // in the list, without blanks
        // Each U+2028 escaped as its three bytes: some 600 characters.
        const QString type = QLatin1Char('x') + QString(50, QChar(0x2028));
        ParameterImage image = defaultImage();
        IO::Decoder::storeCell(image, fieldNamed("RobotTypeName"), 0, 0, type);
        const QString tall = m_dir.filePath(QStringLiteral("robot-type-escapes.txt"));
        QVERIFY(writeEditedFile(tall, image, {{"RobotTypeName", 0, 0, type}}));
        QTest::newRow("cell of escapes taller than a page")
            << tall << 1
            << QStringLiteral("$'x%1'[#1]Source").arg(QString("\\xe2\\x80\\xa8").repeated(10))
            << "(file:$'x\\xe2\\x80\\xa8";
        QTest::newRow("pages of rows")
            << QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/tool5-conversion-0.txt") << 150
            << "QR6-0700Source"
            << "[#150]";
    }

    void findingsListFitsItsPages()
    {
        QFETCH(QString, file);
        QFETCH(int, copies);
        QFETCH(QString, robotType);
        QFETCH(QString, listed);
        ParameterImage image;
        QVector<LimitEntry> entries = readWithFindings(file, image);
        QCOMPARE(entries.size(), 1);
        entries = QVector<LimitEntry>(copies, entries[0]);
        const QString path = writeReport(SafetyReport(image, QString(), entries), "fits.pdf");
        QVERIFY(!path.isEmpty());

        const QString text = pdfText(path).remove(QLatin1Char(' '));
        QVERIFY2(text.contains(QStringLiteral("Robottype") + robotType),
                 qPrintable(text.left(300)));
        QVERIFY2(text.contains(listed), qPrintable(text.right(800)));
        // A cut cell still ends with the text's length.
        QVERIFY(copies > 1 || text.contains(QStringLiteral("(51characters))")));

        const QVector<QVector<PdfWord>> pages = pdfPageWords(path);
        QVERIFY(pages.size() > 25);
        int first = -1; // of the list
        QVector<int> rows;
        for (int page = 0; page < pages.size(); ++page) {
            const QVector<PdfWord>& words = pages[page];
            QString joined;
            for (const PdfWord& word : words)
                joined += word.text + QLatin1Char(' ');
            if (joined.contains(QStringLiteral("Rows and columns count from 1")))
                first = page;
            if (first >= 0)
                rows << int(std::count_if(words.begin(), words.end(), [](const PdfWord& word) {
                    return word.text.startsWith(QStringLiteral("[#"));
                }));
            // The page's number lies below everything else on it.
            const QString number = QString::number(page + 1);
            const auto foot = std::max_element(
                words.begin(), words.end(), [&number](const PdfWord& a, const PdfWord& b) {
                    return (a.text == number ? a.top : -1.0) < (b.text == number ? b.top : -1.0);
                });
            QVERIFY(foot != words.end() && foot->text == number);
            for (const PdfWord& word : words)
                QVERIFY2(&word == &*foot || word.bottom <= foot->top,
                         qPrintable(QStringLiteral("page %1: %2 at %3, its number at %4")
                                        .arg(number, word.text)
                                        .arg(word.bottom)
                                        .arg(foot->top)));
        }
        QVERIFY(first > 0);
        if (copies == 1)
            return;
        // Without the list's lead, a later page holds more rows than the
        // first; each full page as many as the next.
        QVERIFY2(rows.size() > 3 && rows[1] > rows[0], qPrintable(QString::number(rows[0])));
        for (int page = 2; page + 1 < rows.size(); ++page)
            QCOMPARE(rows[page], rows[1]);
    }

    // Texts are shown as the command line shows them: escaped, and a long
    // file text cut with its length named.
    void textsShownEscapedAndCut()
    {
        ParameterImage image;
        QVector<LimitEntry> entries = readWithFindings(
            QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/tool5-conversion-0.txt"), image);
        QCOMPARE(entries.size(), 1);
        entries[0].fileText = QStringLiteral("\x1b]0;t\x07") + QString(100000, 'y');
        QVERIFY(image.setText(*ParameterLayout::findByNo(101), 0, 0, QStringLiteral("QR\x1b[2J")));
        // A right-to-left override would show "rlofdp.txt".
        const QString path = writeReport(
            SafetyReport(image, QStringLiteral("/sets/rlo\u202etxt.pdf"), entries), "texts.pdf");
        QVERIFY(!path.isEmpty());
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Robot type $'QR\\x1b[2J'")),
                 qPrintable(text.left(300)));
        QVERIFY2(text.contains(QStringLiteral("Source $'/sets/rlo\\xe2\\x80\\xaetxt.pdf'")),
                 qPrintable(text.left(300)));
        // Laid out in a narrow column beside the limits, whose text the
        // reading order may put between its lines: compared without the
        // breaks and the limits; NFKC makes the ellipsis three dots.
        QVERIFY2(QString(text)
                     .remove(' ')
                     .remove(QStringLiteral("1to32"))
                     .contains(QStringLiteral("$'\\x1b]0;t\\x07%1'...(100,006characters))")
                                   .arg(QString(34, 'y'))),
                 qPrintable(text.right(500)));
    }

    // An assignment whose file text was not kept (the stored value 0 or a
    // result) is marked on the logic page too, where no formula or signal
    // list would carry its mark; so is an unused operation whose input's
    // text was not kept.
    void assignmentsWhoseTextWasNotKeptAreMarked()
    {
        ParameterImage image = m_image;
        QVERIFY(LogicTable::setAssignment(image, LogicTable::UserOutput, 1, 5));
        const QString file = m_dir.filePath(QStringLiteral("assignments.txt"));
        QVERIFY(writeEditedFile(file, image,
                                {{"LogicalOperatInput1", 0, 399, QStringLiteral("65536")},
                                 {"SignalAssigInternalIn", 0, 2, QStringLiteral("65536")},
                                 {"SignalAssigUserOut", 0, 1, QStringLiteral("65541")}}));
        ParameterImage read;
        const QVector<LimitEntry> entries = readWithFindings(file, read);
        QCOMPARE(entries.size(), 3);
        const QString path = writeReport(SafetyReport(read, QString(), entries), "assign.pdf");
        QVERIFY(!path.isEmpty());
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Signal assignments whose file text was not kept: "
                                              "Tool ID 2-1 = 0 [#2], User Safety Output 2 = 5 "
                                              "[#3]")),
                 qPrintable(text.right(1500)));
        QCOMPARE(text.count(QStringLiteral("[#1]")), 2); // in the logic table and in the list
    }

    void unwritableFolderLeavesNothing()
    {
        const QString blocker = writeTestFile(m_dir.filePath(QStringLiteral("blocker")), "x");
        const QStringList before = filesIn(m_dir.path());
        // The write error box, and no file left behind.
        IO::FileDialog::setAutoAnswer([&](IO::FileDialog& dialog) {
            dialog.setFileName(QStringLiteral("blocker/report.pdf"));
            return true;
        });
        QString shown;
        MsgBox::setAutoAnswer([&shown](QMessageBox& box) {
            shown = box.text();
            return box.button(QMessageBox::Ok);
        });
        QVERIFY(!exportSafetyReport(nullptr));
        QVERIFY2(shown.startsWith(QStringLiteral("The file cannot be written.")),
                 qPrintable(shown));
        QCOMPARE(filesIn(m_dir.path()), before);
        IO::FileDialog::setAutoAnswer({});
        MsgBox::setAutoAnswer({});
    }

    // The report is of the signed set: an applied change not yet written
    // is not in it, and the closing box says so, only then.
    void appliedChangesAreSaidToBeLeftOut()
    {
        Parameter* store = Parameter::instance();
        const ParameterImage before = store->editImage();
        store->setMasterData(true);
        IO::FileDialog::setAutoAnswer([this](IO::FileDialog& dialog) {
            dialog.setFileName(m_dir.filePath(QStringLiteral("applied.pdf")));
            return true;
        });
        QStringList shown;
        MsgBox::setAutoAnswer([&shown](QMessageBox& box) {
            // The second export replaces the first one's file.
            if (QAbstractButton* yes = box.button(QMessageBox::Yes))
                return yes;
            shown << box.text();
            return box.button(QMessageBox::Ok);
        });
        QVERIFY(exportSafetyReport(nullptr));
        QVERIFY(store->appliedImage().setF32At(offsetOf(3145, 1, 1), 1234.5f)); // area 1 Z upper
        QVERIFY(exportSafetyReport(nullptr));
        IO::FileDialog::setAutoAnswer({});
        MsgBox::setAutoAnswer({});
        store->editImage() = before;
        store->setMasterData(true);

        QCOMPARE(shown.size(), 2);
        // Saving to a parameter file does not change what the report holds.
        const QString note = QStringLiteral(
            "The report shows the set as last read, or as last written to Orbilux; changes "
            "applied since then are not in it, even where they were saved to a parameter file.");
        QVERIFY(shown[0].startsWith(QStringLiteral("The safety report was written.")));
        QVERIFY(!shown[0].contains(note));
        QVERIFY2(shown[1].contains(note), qPrintable(shown[1]));
        QVERIFY(!pdfText(m_dir.filePath(QStringLiteral("applied.pdf")))
                     .contains(QStringLiteral("1234.5")));
    }

    // A set with a value outside its limits is reported only when the user
    // insists: No ends before the file is even chosen. No, like cancelling
    // the chooser, ends with the one box that says nothing was written.
    void valuesOutsideLimitsAskFirst()
    {
        Parameter* store = Parameter::instance();
        const ParameterImage before = store->editImage();
        QVERIFY(store->editImage().setI16(
            *ParameterLayout::findByName(QStringLiteral("UsrSafetyFilterTime")), 0, 0, 0));
        store->setMasterData(true);
        bool chosen = false;
        IO::FileDialog::setAutoAnswer([&chosen](IO::FileDialog&) { return chosen = true; });
        QStringList shown;
        MsgBox::setAutoAnswer([&shown](QMessageBox& box) {
            shown << box.text();
            return box.button(QMessageBox::No) ? box.button(QMessageBox::No)
                                               : box.button(QMessageBox::Ok);
        });
        QVERIFY(!exportSafetyReport(nullptr));
        store->editImage() = before;
        store->setMasterData(true);
        QVERIFY(!chosen);
        IO::FileDialog::setAutoAnswer([](IO::FileDialog&) { return false; });
        QVERIFY(!exportSafetyReport(nullptr));
        IO::FileDialog::setAutoAnswer({});
        MsgBox::setAutoAnswer({});
        const QString canceled = QStringLiteral("The operation was canceled.");
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[1], canceled);
        QCOMPARE(shown[2], canceled);
    }

    void menuProposesTimeStampedNameInParameterFolder()
    {
        QString proposed;
        QString folder;
        bool cfastOffered = true;
        IO::FileDialog::setAutoAnswer([&](IO::FileDialog& dialog) {
            proposed = dialog.fileName();
            folder = dialog.folder();
            cfastOffered = dialog.isDriveOffered(IO::FileDialog::CFast);
            return true;
        });
        MsgBox::setAutoAnswer([](QMessageBox& box) { return box.button(QMessageBox::Ok); });
        QVERIFY(exportSafetyReport(nullptr));
        IO::FileDialog::setAutoAnswer({});
        MsgBox::setAutoAnswer({});
        QVERIFY2(QRegularExpression(QStringLiteral("^OBX_Safetyreport_\\d{14}\\.pdf$"))
                     .match(proposed)
                     .hasMatch(),
                 qPrintable(proposed));
        QCOMPARE(folder, QDir::cleanPath(m_dir.path()));
        QVERIFY(!cfastOffered);
        QVERIFY(QFileInfo(m_dir.filePath(proposed)).size() > 0);
    }

    void japaneseReportKeepsItsGlyphs()
    {
        LanguageSetting::setLanguage(&LanguageSetting::findRow(QStringLiteral("ja")));
        const QString path =
            writeReport(SafetyReport(m_image, QString()), QStringLiteral("ja.pdf"));
        const QString heading = FunctionMenuWidget::nodeText(QStringLiteral("ToolOrientation"));
        const QString title = SafetyReport::tr("Safety Report");
        LanguageSetting::setLanguage(&LanguageSetting::findRow(QStringLiteral("en")));
        QVERIFY(!path.isEmpty());
        QVERIFY(title != QStringLiteral("Safety Report"));

        const QString text = pdfText(path);
        QVERIFY2(text.contains(title), qPrintable(text.left(200)));
        QVERIFY(text.contains(heading.normalized(QString::NormalizationForm_KC)));
        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {path});
        QVERIFY(fonts.waitForFinished(60000));
        const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
        QVERIFY2(list.contains(QStringLiteral("CJKjp")) && list.contains(QStringLiteral(" yes ")),
                 qPrintable(list));
    }
};

QTEST_MAIN(TestSafetyReport)
#include "tst_safetyreport.moc"
