#include "app/safetyreportrowpages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>

namespace {

// A break opportunity that prints nothing and copies out of the PDF as
// nothing.
const QChar breakPoint(0x200b);

// Measured in parts of some pages: a long table lays out more slowly, and
// the layout's coordinates are fixed-point numbers of limited range.
constexpr int rowsPerMeasure = 40;

QTextTable* firstTable(const QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    return nullptr;
}

double textTop(const QTextDocument& document, const QTextTable& table, int row)
{
    return document.documentLayout()
        ->blockBoundingRect(table.cellAt(row, 0).firstCursorPosition().block())
        .top();
}

double textBottom(const QTextDocument& document, const QTextTable& table, int row)
{
    double bottom = 0.0;
    for (int column = 0; column < table.columns(); ++column)
        bottom = std::max(
            bottom, document.documentLayout()
                        ->blockBoundingRect(table.cellAt(row, column).lastCursorPosition().block())
                        .bottom());
    return bottom;
}

} // namespace

SafetyReportRowPages::SafetyReportRowPages(const Layout& layout, const QString& table,
                                           const QString& sample, const QVector<int>& nameColumns)
    : m_layout(layout), m_table(table), m_nameColumns(nameColumns)
{
    const std::unique_ptr<QTextDocument> document =
        m_layout(table + sample + QStringLiteral("</table>"), true);
    m_device = document->documentLayout()->paintDevice();
    m_pageHeight = document->pageSize().height();
    const QTextTable* found = firstTable(*document);
    if (!found || found->rows() < 2)
        return;
    for (int column = 0; column < found->columns(); ++column) {
        const QTextTableCell cell = found->cellAt(1, column);
        const QTextLayout* text = cell.firstCursorPosition().block().layout();
        m_widths << (text && text->lineCount() > 0 ? text->lineAt(0).width() : 0.0);
        QVector<QFont> fonts;
        for (auto block = cell.begin(); !block.atEnd(); ++block)
            for (auto fragment = block.currentBlock().begin(); !fragment.atEnd(); ++fragment)
                if (fragment.fragment().text().contains(QLatin1Char('x')))
                    fonts << fragment.fragment().charFormat().font();
        m_fonts << fonts;
    }
}

QString SafetyReportRowPages::cell(const QString& text, int column, int part)
{
    const QString key = QStringLiteral("%1/%2/").arg(column).arg(part) + text;
    const auto found = m_cells.constFind(key);
    if (found != m_cells.constEnd())
        return found.value();
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words)
        word = breakable(word, column, part);
    const QString result = words.join(QLatin1Char(' '));
    m_cells.insert(key, result);
    return result;
}

double SafetyReportRowPages::wordWidth(const QString& word, const QFont& font) const
{
    // As the document lays it out, which the font's metrics miss by some
    // hundredths.
    QTextLayout layout(word, font, const_cast<QPaintDevice*>(m_device));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1.0e6);
    layout.endLayout();
    return line.naturalTextWidth();
}

QString SafetyReportRowPages::breakable(const QString& word, int column, int part) const
{
    const double width = m_widths.value(column);
    const QVector<QFont> fonts = m_fonts.value(column);
    if (word.isEmpty() || width <= 0.0 || fonts.isEmpty())
        return word;
    const QFont font = fonts.value(part, fonts.first());
    if (wordWidth(word, font) <= width)
        return word;
    QStringList pieces;
    int start = 0;
    for (int i = 1; i < word.size(); ++i) {
        if (word.at(i).isUpper() || word.at(i).isDigit()) {
            pieces << word.mid(start, i - start);
            start = i;
        }
    }
    pieces << word.mid(start);
    if (!m_nameColumns.contains(column)) {
        // Not a name: a piece that still does not fit breaks where it must,
        // rather than push the table off the page.
        for (QString& piece : pieces) {
            if (wordWidth(piece, font) <= width)
                continue;
            QString spread;
            for (int i = 0; i < piece.size(); ++i) {
                if (i > 0 && !piece.at(i).isLowSurrogate())
                    spread += breakPoint;
                spread += piece.at(i);
            }
            piece = spread;
        }
    }
    return pieces.join(breakPoint);
}

QString SafetyReportRowPages::pageHtml(const QString& lead, const QStringList& rows, int from,
                                       int to) const
{
    QString html = lead + m_table;
    for (int row = from; row < to; ++row)
        html += rows.at(row);
    return html + QStringLiteral("</table>");
}

SafetyReportRowPages::Measures SafetyReportRowPages::measure(const QString& lead,
                                                             const QStringList& rows) const
{
    Measures measures;
    for (int from = 0; from < rows.size(); from += rowsPerMeasure) {
        const int to = std::min(int(rows.size()), from + rowsPerMeasure);
        const std::unique_ptr<QTextDocument> document =
            m_layout(pageHtml(from == 0 ? lead : QString(), rows, from, to), false);
        const QTextTable* table = firstTable(*document);
        if (!table || table->rows() != to - from + 1) {
            // Not the table of rows it should be: each page is checked as printed.
            measures.heights.resize(to);
            continue;
        }
        if (from == 0) {
            // The head's cells are laid out as a row's.
            measures.firstTop = textTop(*document, *table, 1);
            measures.gap = measures.firstTop - textBottom(*document, *table, 0);
            measures.tail = document->documentLayout()->documentSize().height() -
                            textBottom(*document, *table, to - from);
            const std::unique_ptr<QTextDocument> head =
                m_layout(pageHtml(QString(), rows, 0, 0), false);
            if (const QTextTable* alone = firstTable(*head))
                measures.top =
                    measures.firstTop - textTop(*document, *table, 0) + textTop(*head, *alone, 0);
        }
        for (int row = 1; row <= to - from; ++row)
            measures.heights << textBottom(*document, *table, row) -
                                    textTop(*document, *table, row);
    }
    return measures;
}

void SafetyReportRowPages::print(const QString& lead, const QStringList& rows,
                                 const std::function<void(QTextDocument&)>& print) const
{
    const Measures measures = measure(lead, rows);
    int from = 0;
    while (from < rows.size()) {
        const QString pageLead = from == 0 ? lead : QString();
        double used = (from == 0 ? measures.firstTop : measures.top) + measures.tail +
                      measures.heights.value(from);
        int to = from + 1;
        while (to < rows.size() &&
               used + measures.gap + measures.heights.value(to) <= m_pageHeight) {
            used += measures.gap + measures.heights.value(to);
            ++to;
        }
        // Checked as printed: a page's rows may lie otherwise than among all
        // rows (a column widened by a word of another row).
        std::unique_ptr<QTextDocument> document =
            m_layout(pageHtml(pageLead, rows, from, to), true);
        while (document->pageCount() > 1 && to > from + 1) {
            --to;
            document = m_layout(pageHtml(pageLead, rows, from, to), true);
        }
        print(*document);
        from = to;
    }
}
