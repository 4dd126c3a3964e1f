#include "app/safetyreport.h"

#include "app/core/constants.h"
#include "app/core/displaytext.h"
#include "app/core/interfaceutilities.h"
#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/functionmenuwidget.h"
#include "app/safetyreportplanobject.h"
#include "app/safetyreportrowpages.h"
#include "io/comparisonview.h"
#include "parameter/decoder.h"
#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterlayout.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QtDebug>

#include <algorithm>
#include <memory>

namespace {

// A safety function page: its node in the page tree and the numbers of its
// parameters, in the function menu's order.
struct Page
{
    const char* nodeName;
    int firstNo;
    int lastNo;
};

const Page pages[] = {
    {"SettingCommon", 3001, 3016},
    {"ArmModel", 3109, 3127},
    {"ToolModel", 3128, 3142},
    {"AreaModel", 3143, 3154},
    {"MonitoringSettingStopDistanceEstimation", 3101, 3108},
    {"Joint", 3201, 3214},
    {"ArmSpeed", 3301, 3308},
    {"ToolSpeed", 3309, 3312},
    {"ModeSpeed", 3313, 3322},
    {"CustomSpeed", 3323, 3333},
    {"ToolOrientation", 3401, 3409},
    {"StopMonitoring", 3501, 3506},
    {"MonitoringSettingProtectiveStopSafetyFence", 3601, 3603},
    {"ProtectiveStopUserProtectiveStop", 3604, 3609},
    {"MonitoringSettingEmergencyStop", 3701, 3708},
    {"SafetyInput", 6001, 6004},
};
constexpr int pageCount = int(sizeof pages / sizeof pages[0]);
const char* const logicNodeName = "LogicalOperation";

// Where the plan view's drawing goes into the laid out text: an image
// name, which no escaped text of the set (a file name, a robot type) can
// imitate.
const QString planPlaceholder = QStringLiteral("obx-plan-view");

// Pages of the function menu that have no section of their own in the
// report, by the scene the value validator gives.
const struct
{
    int scene;
    const char* nodeName;
} otherPages[] = {{1, "System"}, {18, "SafetySignature"}, {36, "LogicalOperation"}};

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// The language's own shipped font, so that Japanese, Korean and Chinese
// texts keep their glyphs in the PDF; the application font otherwise.
QString reportFontFamily()
{
    static QHash<QString, QString> families;
    const LanguageRow& row = LanguageSetting::current();
    const QString code = QLatin1String(row.langCode);
    if (families.contains(code))
        return families.value(code);
    QString family = QGuiApplication::font().family();
    const QString path = expandEnvironment(Setting::instance()->value(QStringLiteral("FontPath"))) +
                         QLatin1Char('/') + QLatin1String(row.fontFile);
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList loaded = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (!loaded.isEmpty()) {
        // A CJK collection holds one family per region: take the one of
        // the language where there is one.
        static const QHash<QString, QString> regions = {
            {QStringLiteral("ja"), QStringLiteral("JP")},
            {QStringLiteral("ko"), QStringLiteral("KR")},
            {QStringLiteral("zh"), QStringLiteral("SC")}};
        family = loaded.first();
        const QString region = regions.value(code);
        for (const QString& candidate : loaded) {
            if (!region.isEmpty() && candidate.endsWith(QLatin1Char(' ') + region) &&
                !candidate.contains(QLatin1String("Mono"))) {
                family = candidate;
                break;
            }
        }
    } else {
        qWarning().noquote() << "SafetyReport font" << path << "-> NG";
    }
    families.insert(code, family);
    return family;
}

QString nameParts(const ParamDefRecord& record, int from, int to)
{
    const ParameterDefDB* db = ParameterDefDB::instance();
    QStringList parts;
    for (int part = from; part < to && part < ParamDefRecord::MaxNameParts; ++part)
        if (record.nameIds[part] != 0)
            parts << db->names.value(record.nameIds[part]);
    return parts.join(QLatin1String(" - "));
}

int namePartCount(const ParamDefRecord& record)
{
    int count = 0;
    while (count < ParamDefRecord::MaxNameParts && record.nameIds[count] != 0)
        ++count;
    return count;
}

QString unitText(const ParamDefRecord& record)
{
    // Units that follow the joint kinds belong to robot data only.
    return record.unit >= 2 ? ParameterDefDB::instance()->names.value(record.unit) : QString();
}

QString limitText(const ParamDefRecord& record)
{
    if (record.isText() || (record.min == 0 && record.max == 0))
        return QString();
    return QStringLiteral("%1 \u2026 %2")
        .arg(QString::number(record.min, 'g', 10), QString::number(record.max, 'g', 10));
}

int cellBytes(const ParamDefRecord& record)
{
    return record.isText() ? record.valueCount : record.valueSize() * record.valueCount;
}

bool cellInImage(const ParamDefRecord& record, int group, int element)
{
    const int bytes = cellBytes(record);
    return bytes > 0 &&
           record.valueOffset(group, element) + quint32(bytes) <= quint32(ParameterImage::Size);
}

bool cellIsZero(const ParameterImage& image, const ParamDefRecord& record, int group, int element)
{
    if (!cellInImage(record, group, element))
        return true;
    const quint8* cell = image.data() + record.valueOffset(group, element);
    for (int i = 0; i < cellBytes(record); ++i)
        if (cell[i] != 0)
            return false;
    return true;
}

// The parameters of a page by shape, in the order they first appear:
// single values go into one list of name and value; parameters of one
// shape (groups x elements) into tables of a row per element and a column
// per parameter.
struct Block
{
    std::vector<const ParamDefRecord*> records;
    bool matrix = false;
};

// Columns of one table: more would not fit across a portrait page.
constexpr size_t maxColumns = 6;

std::vector<Block> blocksOf(const Page& page)
{
    std::vector<Block> blocks;
    for (const ParamDefRecord& record : ParameterDefDB::instance()->records) {
        if (record.no < page.firstNo || record.no > page.lastNo || cellBytes(record) <= 0)
            continue;
        const bool matrix = record.groupCount * record.elementCount > 1;
        const auto sameShape = [&](const Block& block) {
            const ParamDefRecord& first = *block.records.front();
            return block.matrix == matrix &&
                   (!matrix || (first.groupCount == record.groupCount &&
                                first.elementCount == record.elementCount));
        };
        const auto block = std::find_if(blocks.begin(), blocks.end(), sameShape);
        if (block == blocks.end())
            blocks.push_back(Block{{&record}, matrix});
        else
            block->records.push_back(&record);
    }
    return blocks;
}

// The name parts that all records of a block share, before each one's own.
QString commonCaption(const std::vector<const ParamDefRecord*>& records)
{
    const ParamDefRecord& first = *records.front();
    int shared = namePartCount(first) - 1;
    for (const ParamDefRecord* record : records) {
        int same = 0;
        while (same < shared && same < namePartCount(*record) - 1 &&
               record->nameIds[same] == first.nameIds[same])
            ++same;
        shared = same;
    }
    return nameParts(first, 0, shared);
}

// A page without a text of its own in the catalogues (whose menu item is
// hidden) is headed by the name that all its parameters share, which every
// language has, rather than by its key.
QString pageHeading(const Page& page, const std::vector<Block>& blocks)
{
    const QString heading = FunctionMenuWidget::nodeText(QLatin1String(page.nodeName));
    if (heading != QLatin1String(page.nodeName))
        return heading;
    std::vector<const ParamDefRecord*> records;
    for (const Block& block : blocks)
        records.insert(records.end(), block.records.begin(), block.records.end());
    if (!records.empty() && !commonCaption(records).isEmpty())
        return commonCaption(records);
    return heading;
}

// Single lines between the cells, half the width on each of two cells
// that touch: collapsed borders look the same, but their layout looks each
// cell's neighbours up by position and takes several times as long as the
// rest of a long table's.
QString tableStart()
{
    return QStringLiteral(
        "<table border=\"0.5\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
        "style=\"border-style: solid;\">");
}

const char* const cellStyle = " style=\"background-color:#ffd0d0; font-weight:bold;\"";

// The entry's number in the closing list, after a value that it marks:
// with "#", as a formula shows an odd operation type as a bracketed number.
QString entryMark(int index)
{
    return QStringLiteral("[#%1]").arg(index + 1);
}

} // namespace

const int SafetyReport::StepCount = pageCount + 4;

SafetyReport::SafetyReport(const ParameterImage& image, const QString& source)
    : SafetyReport(image, source, ValueValidator::check(image))
{
}

SafetyReport::SafetyReport(const ParameterImage& image, const QString& source,
                           const QVector<LimitEntry>& entries)
    : m_image(image), m_source(source), m_entries(entries)
{
    // The values the validator lists, by offset: a definition's groups and
    // elements need not be the field's rows and columns.
    for (int i = 0; i < m_entries.size(); ++i)
        m_entryAt.insert(m_entries[i].offset, i);
}

QString SafetyReport::proposedFileName(const QDateTime& time)
{
    return QStringLiteral("%1_%2.pdf")
        .arg(Constants::reportFilePrefix, time.toString(QStringLiteral("yyyyMMddhhmmss")));
}

QFont SafetyReport::font()
{
    QFont font(reportFontFamily(), 9);
    // No ligatures: a path or a name copied out of the PDF stays as written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString SafetyReport::titlePage() const
{
    QString robotType;
    int robotTypeOffset = -1;
    if (const FieldDef* field = ParameterLayout::findByNo(101)) { // RobotTypeName
        robotType = DisplayText::shown(m_image.text(*field));
        robotTypeOffset = field->offset;
    }
    QString html =
        QStringLiteral("<h1>%1</h1><table cellpadding=\"4\">").arg(escaped(tr("Safety Report")));
    // A value is marked as the pages mark it: the time or type a file gave
    // as a text the set did not keep.
    const auto markedRow = [&html](const QString& label, const QString& value) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(escaped(label), value);
    };
    const auto row = [&markedRow](const QString& label, const QString& text) {
        markedRow(label, escaped(text));
    };
    markedRow(tr("Robot type"), markedValue(robotTypeOffset, robotType));
    row(tr("Source"), DisplayText::fileName(m_source));
    // A CRC of 9894 skips its check when the set is loaded: the report must
    // not present such a set as signed.
    const auto signatureText = [this](const QString& text, bool notSigned) {
        return notSigned ? tr("%1, not signed").arg(text) : text;
    };
    for (const auto& signature : Property::SafetySignatureCRC::signatureRows(m_image))
        markedRow(signature.label, markedValue(signature.offset,
                                               signatureText(signature.text, signature.notSigned)));
    row(tr("All data CRC"),
        signatureText(Property::SafetySignatureCRC::crcText(m_image.allDataCRC()),
                      m_image.allDataCRC() == IO::Decoder::IgnoredCRC));
    row(tr("Findings"), FindingCount::of(m_entries).text());
    row(tr("Report date"), LanguageSetting::locale().toString(QDateTime::currentDateTime(),
                                                              LanguageSetting::dateTimeFormat()));
    html += QStringLiteral("</table><p><br></p><h3>%1</h3><table cellpadding=\"10\">")
                .arg(escaped(tr("Checked by")));
    for (const QString& label : {tr("Name"), tr("Date"), tr("Signature")})
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(label), QString(40, QLatin1Char('_')));
    return html + QStringLiteral("</table>");
}

QString SafetyReport::pageSection(int page) const
{
    const Page& def = pages[page];
    const std::vector<Block> blocks = blocksOf(def);
    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(pageHeading(def, blocks)));
    bool marked = false;
    bool skipped = false;
    // The offsets of a cell's values: two-word bit masks hold two.
    const auto valueOffsets = [](const ParamDefRecord& record, int group, int element) {
        std::vector<int> offsets;
        const int values = record.isText() ? 1 : std::max(1, int(record.valueCount));
        for (int value = 1; value <= values; ++value)
            offsets.push_back(int(record.valueOffset(group, element, value)));
        return offsets;
    };
    const auto hasEntry = [&](const ParamDefRecord& record, int group, int element) {
        for (const int offset : valueOffsets(record, group, element))
            if (m_entryAt.contains(offset))
                return true;
        return false;
    };
    const auto valueCell = [&](const ParamDefRecord& record, int group, int element) {
        if (!cellInImage(record, group, element))
            return QStringLiteral("<td></td>");
        const QString text = IO::ComparisonView::valueText(m_image, record, group, element);
        const std::vector<int> offsets = valueOffsets(record, group, element);
        if (!hasEntry(record, group, element))
            return QStringLiteral("<td>%1</td>").arg(escaped(text));
        marked = true;
        // Each value of a cell marked by itself where the text holds them
        // one by one; else the whole cell with every mark.
        const QStringList values = text.split(QStringLiteral(", "));
        if (offsets.size() > 1 && values.size() == int(offsets.size())) {
            QStringList shown;
            for (size_t v = 0; v < offsets.size(); ++v)
                shown << markedValue(offsets[v], values[int(v)]);
            return QStringLiteral("<td>%1</td>").arg(shown.join(QStringLiteral(", ")));
        }
        QStringList marks;
        for (const int offset : offsets)
            if (m_entryAt.contains(offset))
                marks << entryMark(m_entryAt.value(offset));
        return QStringLiteral("<td%1>%2 %3</td>")
            .arg(QLatin1String(cellStyle), escaped(text), marks.join(QLatin1Char(' ')));
    };

    for (const Block& block : blocks) {
        if (!block.matrix) {
            html += tableStart() +
                    QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th></tr>")
                        .arg(escaped(tr("Parameter")), escaped(tr("Value")), escaped(tr("Unit")),
                             escaped(tr("Limits")));
            for (const ParamDefRecord* record : block.records)
                html += QStringLiteral("<tr><td>%1</td>")
                            .arg(escaped(ParameterDefDB::instance()->displayName(*record))) +
                        valueCell(*record, 1, 1) +
                        QStringLiteral("<td>%1</td><td>%2</td></tr>")
                            .arg(escaped(unitText(*record)), escaped(limitText(*record)));
            html += QStringLiteral("</table><p></p>");
            continue;
        }
        // The same rows in every table of the block: those with a value,
        // and every row that holds a listed value, whatever it holds.
        const ParamDefRecord& first = *block.records.front();
        std::vector<std::pair<int, int>> rows;
        for (int group = 1; group <= first.groupCount; ++group)
            for (int element = 1; element <= first.elementCount; ++element) {
                bool allZero = true;
                for (const ParamDefRecord* record : block.records)
                    allZero = allZero && cellIsZero(m_image, *record, group, element) &&
                              !hasEntry(*record, group, element);
                if (allZero)
                    skipped = true;
                else
                    rows.emplace_back(group, element);
            }
        if (rows.empty())
            continue;
        html += QStringLiteral("<h4>%1</h4>").arg(escaped(commonCaption(block.records)));
        for (size_t from = 0; from < block.records.size(); from += maxColumns) {
            const auto begin = block.records.begin() + std::ptrdiff_t(from);
            const auto end = block.records.begin() +
                             std::ptrdiff_t(std::min(block.records.size(), from + maxColumns));
            html += tableStart() + QStringLiteral("<tr><th></th>");
            for (auto record = begin; record != end; ++record) {
                const QString unit = unitText(**record);
                const QString limits = limitText(**record);
                html += QStringLiteral("<th>%1").arg(escaped(nameParts(
                    **record, namePartCount(**record) - 1, ParamDefRecord::MaxNameParts)));
                if (!unit.isEmpty())
                    html += QStringLiteral(" [%1]").arg(escaped(unit));
                if (!limits.isEmpty())
                    html += QStringLiteral("<br><small>%1</small>").arg(escaped(limits));
                html += QStringLiteral("</th>");
            }
            html += QStringLiteral("</tr>");
            for (const auto& cell : rows) {
                html += QStringLiteral("<tr><td>%1</td>")
                            .arg(escaped(ParameterDefDB::instance()->cellQualifier(
                                first, cell.first, cell.second)));
                for (auto record = begin; record != end; ++record)
                    html += valueCell(**record, cell.first, cell.second);
                html += QStringLiteral("</tr>");
            }
            html += QStringLiteral("</table><p></p>");
        }
    }
    if (skipped)
        html += QStringLiteral("<p><i>%1</i></p>")
                    .arg(escaped(tr("Rows whose values are all 0 and within their limits are not "
                                    "listed.")));
    if (marked)
        html += QStringLiteral("<p%1>%2</p>")
                    .arg(QLatin1String(cellStyle),
                         escaped(tr("Values outside their limits are marked.")));
    return html;
}

QString SafetyReport::logicSection() const
{
    QString html = QStringLiteral("<h2>%1</h2>")
                       .arg(escaped(FunctionMenuWidget::nodeText(QLatin1String(logicNodeName))));
    QString rows;
    for (int result = 1; result <= LogicTable::ResultCount; ++result) {
        const QString formula = LogicTable::formula(m_image, result);
        const QList<quint32> outputs = LogicSignalDef::signalsAssignedTo(quint32(result), m_image);
        const QStringList marks = logicMarks(
            {LogicTable::TypeField, LogicTable::Input1Field, LogicTable::Input2Field}, result - 1);
        // An unused operation that still drives signals, or that holds a
        // listed value, is listed too.
        if (formula.isEmpty() && outputs.isEmpty() && marks.isEmpty())
            continue;
        QStringList names;
        for (const quint32 signal : outputs)
            names << LogicTable::drivenSignalText(int(signal));
        const QString shown = escaped(formula.isEmpty() ? LogicSignalDef::opName(0) : formula);
        rows += QStringLiteral("<tr><td>%1</td>%2<td>%3</td></tr>")
                    .arg(escaped(LogicTable::inputText(result)),
                         marks.isEmpty() ? QStringLiteral("<td>%1</td>").arg(shown)
                                         : QStringLiteral("<td%1>%2 %3</td>")
                                               .arg(QLatin1String(cellStyle), shown,
                                                    marks.join(QLatin1Char(' '))),
                         escaped(names.join(QStringLiteral(", "))));
    }
    const QString odd = oddAssignments();
    if (rows.isEmpty())
        return html +
               QStringLiteral("<p>%1</p>").arg(escaped(tr("No logical operation is in use."))) +
               odd;
    return html + tableStart() +
           QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th></tr>")
               .arg(escaped(tr("Result")), escaped(tr("Formula")), escaped(tr("Outputs"))) +
           rows + QStringLiteral("</table>") + odd;
}

QString SafetyReport::oddAssignments() const
{
    // Entries that hold neither 0 nor a result, as stored; and the listed
    // values among the others (whose file text was not kept), which no
    // formula or signal list shows with their mark.
    QStringList odd;
    QStringList notKept;
    for (int t = 0; t < LogicTable::TargetCount; ++t) {
        const auto target = LogicTable::Target(t);
        for (int entry = 0; entry < LogicTable::entryCount(target); ++entry) {
            const int value = LogicTable::assignment(m_image, target, entry);
            const QStringList marks = logicMarks({LogicTable::AssignmentFields[t]}, entry);
            const bool isOdd = value != 0 && (value < 1 || value > LogicTable::ResultCount);
            if (!isOdd && marks.isEmpty())
                continue;
            (isOdd ? odd : notKept)
                << (QStringList{QStringLiteral("%1 = %2")
                                    .arg(LogicTable::drivenSignalText(
                                        LogicTable::firstSignal(target) + entry))
                                    .arg(value)} +
                    marks)
                       .join(QLatin1Char(' '));
        }
    }
    QString html;
    const auto paragraph = [&html](const QString& heading, const QStringList& items) {
        if (!items.isEmpty())
            html += QStringLiteral("<p%1>%2 %3</p>")
                        .arg(QLatin1String(cellStyle), escaped(heading),
                             escaped(items.join(QStringLiteral(", "))));
    };
    paragraph(tr("Signals assigned a number that is no result:"), odd);
    paragraph(tr("Signal assignments whose file text was not kept:"), notKept);
    return html;
}

QStringList SafetyReport::logicMarks(std::initializer_list<int> fieldNumbers, int index) const
{
    QStringList marks;
    for (const int no : fieldNumbers)
        if (const FieldDef* field = ParameterLayout::findByNo(no)) {
            const int offset = ParameterLayout::cellOffset(*field, 0, index);
            if (m_entryAt.contains(offset))
                marks << entryMark(m_entryAt.value(offset));
        }
    return marks;
}

QString SafetyReport::planSection() const
{
    return QStringLiteral("<h2>%1</h2><p><img src=\"%2\"></p>")
        .arg(escaped(tr("Plan view")), planPlaceholder);
}

QString SafetyReport::markedValue(int offset, const QString& text) const
{
    if (!m_entryAt.contains(offset))
        return escaped(text);
    return QStringLiteral("<span%1>%2 %3</span>")
        .arg(QLatin1String(cellStyle), escaped(text), entryMark(m_entryAt.value(offset)));
}

QString SafetyReport::entryPage(const LimitEntry& entry) const
{
    for (const Page& page : pages)
        if (entry.no >= page.firstNo && entry.no <= page.lastNo)
            return pageHeading(page, blocksOf(page));
    for (const auto& other : otherPages)
        if (entry.scene == other.scene)
            return FunctionMenuWidget::nodeText(QLatin1String(other.nodeName));
    return tr("no page");
}

void SafetyReport::printFindings(const SafetyReportRowPages::Layout& layout,
                                 const std::function<void(QTextDocument&)>& printDocument,
                                 const SafetyReportRowPages::PrintPage& printPage) const
{
    // The list holds file texts not kept as well: its heading counts both.
    const QString heading =
        QStringLiteral("<h2>%1</h2>").arg(escaped(FindingCount::of(m_entries).text()));
    if (m_entries.isEmpty()) {
        printDocument(
            *layout(heading + QStringLiteral("<p>%1</p>").arg(escaped(tr("None."))), true));
        return;
    }
    QString header = tableStart() + QStringLiteral("<tr>");
    // Widths in percent: numbers stay on one line.
    const std::pair<QString, int> columns[] = {
        {tr("No."), 11},    {tr("Page"), 13},  {tr("Parameter"), 23}, {tr("Row"), 7},
        {tr("Column"), 11}, {tr("Value"), 17}, {tr("Limits"), 18}};
    for (const auto& column : columns)
        header += QStringLiteral("<th width=\"%1%\">%2</th>")
                      .arg(column.second)
                      .arg(escaped(column.first));
    header += QStringLiteral("</tr>");
    const auto tableRow = [](const QString& mark, const QString& page, const QString& displayName,
                             const QString& name, const QString& row, const QString& column,
                             const QString& value, const QString& limits) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3<br><small>%4</small></td>"
                              "<td>%5</td><td>%6</td><td%7>%8</td><td>%9</td></tr>")
            .arg(mark, page, displayName, name, row, column, QLatin1String(cellStyle), value,
                 limits);
    };
    const QString x = QStringLiteral("x");
    // The page and the parameter's names break between words only.
    SafetyReportRowPages pages(layout, header, tableRow(x, x, x, x, x, x, x, x), {1, 2});
    QVector<SafetyReportRowPages::Row> rows;
    rows.reserve(m_entries.size());
    for (int i = 0; i < m_entries.size(); ++i) {
        const LimitEntry& entry = m_entries[i];
        rows << SafetyReportRowPages::Row{
            {entryMark(i)},
            {pages.cell(entryPage(entry), 1)},
            {pages.cell(entry.displayName, 2), pages.cell(entry.name, 2, 1)},
            {QString::number(entry.row + 1)},
            {QString::number(entry.column + 1)},
            {pages.cell(entry.shownValue(), 5)},
            {pages.cell(entry.limitsText(), 6)}};
    }
    pages.print(heading + QStringLiteral("<p>%1</p>")
                              .arg(escaped(tr("Every value outside its limits, not finite or "
                                              "whose file text was not kept, with its number as "
                                              "marked on the pages. Rows and columns count from "
                                              "1 as in a parameter file."))),
                rows, printPage);
}

bool SafetyReport::write(const QString& path, const Progress& progress, QString* error) const
{
    int done = 0;
    const auto step = [&] {
        if (progress)
            progress(++done, StepCount);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "SafetyReport::write" << path << file.errorString() << "-> NG";
        if (error)
            *error = file.errorString();
        return false;
    }
    QStringList sections{titlePage()};
    step();
    for (int page = 0; page < pageCount; ++page) {
        sections << pageSection(page);
        step();
    }
    sections << logicSection();
    step();
    sections << planSection();
    step();
    print(file, sections);
    // A failed write leaves the temporary file behind only until here.
    const bool ok = file.commit();
    if (!ok) {
        qWarning().noquote() << "SafetyReport::write" << path << file.errorString() << "-> NG";
        if (error)
            *error = file.errorString();
    }
    step();
    qInfo().noquote() << "SafetyReport::write" << path << "->" << okNgText(ok);
    return ok;
}

void SafetyReport::print(QIODevice& device, const QStringList& sections) const
{
    QPdfWriter writer(&device);
    writer.setTitle(tr("Safety Report"));
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter(&writer);
    const QFont font = SafetyReport::font();

    // Laid out and printed as QTextDocument::print() does (2 cm inside the
    // page's margins, the page number at the bottom right), but each section
    // as a document of its own, each starting on a new page: the text of a
    // document lies at device coordinates of up to its height, and beyond
    // some 600 pages at the writer's resolution its text is lost.
    const QRectF body(0, 0, writer.width(), writer.height());
    const double dpiY = writer.logicalDpiY();
    // The margin in the layout's units (those of a 96 dpi screen), scaled
    // to the device when laid out.
    const int margin = int(2 / 2.54 * 96);
    const double deviceMargin = margin * dpiY / 96;
    const QPointF pageNumberAt(body.width() - deviceMargin,
                               body.height() - deviceMargin + QFontMetrics(font, &writer).ascent() +
                                   5 * dpiY / 72.0);
    SafetyReportPlanObject plan(m_image);
    bool planPlaced = false;
    // Each page's number at its foot.
    int pageNumber = 0;
    const auto printPage = [&](const std::function<void(QPainter&)>& draw) {
        if (pageNumber++ > 0)
            writer.newPage();
        painter.save();
        painter.save();
        draw(painter);
        painter.restore();
        painter.setFont(font);
        const QString number = QString::number(pageNumber);
        painter.drawText(
            QPointF(qRound(pageNumberAt.x() - painter.fontMetrics().horizontalAdvance(number)),
                    qRound(pageNumberAt.y())),
            number);
        painter.restore();
    };
    const auto printDocument = [&](QTextDocument& document) {
        for (int page = 0; page < document.pageCount(); ++page)
            printPage([&](QPainter& painter) {
                const QRectF view(0, page * body.height(), body.width(), body.height());
                painter.save();
                painter.translate(0, -view.top());
                painter.setClipRect(view);
                QAbstractTextDocumentLayout::PaintContext context;
                context.clip = view;
                context.palette.setColor(QPalette::Text, Qt::black);
                document.documentLayout()->draw(&painter, context);
                painter.restore();
            });
    };
    const auto layOut = [&](const QString& html, bool paginated, QTextOption::WrapMode wrap) {
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(font);
        QTextOption option = document->defaultTextOption();
        option.setWrapMode(wrap);
        document->setDefaultTextOption(option);
        // Everything the layout depends on first: each change of it lays
        // the whole text out again.
        document->setDocumentMargin(margin);
        document->documentLayout()->setPaintDevice(&writer);
        if (paginated)
            document->setPageSize(body.size());
        else
            document->setTextWidth(body.width());
        document->setHtml(html);
        if (html.contains(planPlaceholder))
            planPlaced = plan.insertInto(*document, planPlaceholder) || planPlaced;
        return document;
    };
    for (const QString& section : sections)
        printDocument(*layOut(section, true, QTextOption::WrapAtWordBoundaryOrAnywhere));
    printFindings([&](const QString& html,
                      bool paginated) { return layOut(html, paginated, QTextOption::WordWrap); },
                  printDocument, printPage);
    if (!planPlaced)
        qWarning().noquote() << "SafetyReport plan view not placed -> NG";
}
