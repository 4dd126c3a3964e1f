#include "app/safetyreportrowpages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
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

// A row's cells laid out, each part below the one before.
struct LaidOutRow
{
    std::vector<std::vector<std::unique_ptr<QTextLayout>>> cells;
    double height = 0.0; // of its tallest cell's text
};

} // namespace

SafetyReportRowPages::SafetyReportRowPages(const Layout& layout, const QString& table,
                                           const QString& sample, const QVector<int>& nameColumns)
    : m_layout(layout), m_table(table), m_nameColumns(nameColumns)
{
    const QString html = table + sample + QStringLiteral("</table>");
    m_pageHeight = m_layout(html, true)->pageSize().height();
    const std::unique_ptr<QTextDocument> document = m_layout(html, false);
    m_device = document->documentLayout()->paintDevice();
    const QTextTable* found = firstTable(*document);
    if (!found || found->rows() < 2 || !m_device)
        return;
    // The lengths of the table's format are those of a 96 dpi screen, scaled
    // to the device when laid out.
    const double scale = m_device->logicalDpiY() / 96.0;
    m_border = found->format().border() * scale;
    m_tableBorder = m_border;
    m_gap = textTop(*document, *found, 1) - textBottom(*document, *found, 0);
    m_tail = document->documentLayout()->documentSize().height() - textBottom(*document, *found, 1);
    for (int column = 0; column < found->columns(); ++column) {
        const QTextTableCell cell = found->cellAt(1, column);
        const QTextBlock first = cell.firstCursorPosition().block();
        const QTextLayout* text = first.layout();
        Column shape;
        shape.left = document->documentLayout()->blockBoundingRect(first).left();
        shape.width = text && text->lineCount() > 0 ? text->lineAt(0).width() : 0.0;
        shape.background = cell.format().background();
        // The document starts a cell's next line a little above the end of
        // the one before: rows measured otherwise would fill pages otherwise.
        if (text && text->lineCount() > 1)
            m_overlap = std::max(0.0, text->lineAt(0).height() - text->lineAt(1).y());
        for (auto block = cell.begin(); !block.atEnd(); ++block)
            for (auto fragment = block.currentBlock().begin(); !fragment.atEnd(); ++fragment)
                if (fragment.fragment().text().contains(QLatin1Char('x')))
                    shape.fonts << fragment.fragment().charFormat().font();
        m_columns << shape;
    }
}

SafetyReportRowPages::~SafetyReportRowPages() = default;

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
    // As a cell lays it out, which the font's metrics miss by some
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
    if (column < 0 || column >= m_columns.size())
        return word;
    const double width = m_columns.at(column).width;
    const QVector<QFont>& fonts = m_columns.at(column).fonts;
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
        // rather than run into the next column.
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

std::unique_ptr<QTextLayout> SafetyReportRowPages::laidOut(const QString& text, const QFont& font,
                                                           double width) const
{
    auto layout = std::make_unique<QTextLayout>(text, font, const_cast<QPaintDevice*>(m_device));
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);
    // Drawn from the glyphs of this layout, not shaped again.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    double y = 0.0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0.0, y));
        y += line.height() - m_overlap;
    }
    layout->endLayout();
    return layout;
}

std::unique_ptr<QTextLayout> SafetyReportRowPages::fitted(const QString& text, const QFont& font,
                                                          double width, double height) const
{
    std::unique_ptr<QTextLayout> whole = laidOut(text, font, width);
    if (whole->boundingRect().height() <= height)
        return whole;
    // The end stays in sight too: a cut text ends with its length.
    const auto cut = [&text](int kept) {
        int head = kept - kept / 4;
        int tail = text.size() - kept / 4;
        if (head > 0 && text.at(head).isLowSurrogate())
            --head;
        if (tail < text.size() && text.at(tail).isLowSurrogate())
            ++tail;
        return text.left(head) + QChar(0x2026) + text.mid(tail);
    };
    int fits = 0;
    int tooTall = text.size();
    while (tooTall - fits > 1) {
        const int kept = (fits + tooTall) / 2;
        if (laidOut(cut(kept), font, width)->boundingRect().height() <= height)
            fits = kept;
        else
            tooTall = kept;
    }
    return laidOut(cut(fits), font, width);
}

void SafetyReportRowPages::print(const QString& lead, const QVector<Row>& rows,
                                 const PrintPage& printPage) const
{
    const std::unique_ptr<QTextDocument> firstHead =
        m_layout(lead + m_table + QStringLiteral("</table>"), true);
    const std::unique_ptr<QTextDocument> otherHead =
        m_layout(m_table + QStringLiteral("</table>"), true);
    const auto rowsTop = [&](const QTextDocument& document) {
        const QTextTable* table = firstTable(document);
        return (table ? textBottom(document, *table, 0) : 0.0) + m_gap;
    };
    const double firstTop = rowsTop(*firstHead);
    const double otherTop = rowsTop(*otherHead);

    const int columns = m_columns.size();
    const double halfGap = m_gap / 2;
    // The cells' edges: halfway between two columns' texts.
    QVector<double> edges;
    if (columns > 0) {
        const double inset = m_columns.first().left - halfGap;
        edges << inset;
        for (int column = 1; column < columns; ++column)
            edges << (m_columns.at(column - 1).left + m_columns.at(column - 1).width +
                      m_columns.at(column).left) /
                         2;
        edges << m_columns.last().left + m_columns.last().width + halfGap;
    }

    std::vector<LaidOutRow> page;
    bool firstPage = true;
    const auto printRows = [&] {
        const QTextDocument& document = firstPage ? *firstHead : *otherHead;
        double top = firstPage ? firstTop : otherTop;
        printPage([&](QPainter& painter) {
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(QPointF(0, 0), document.pageSize());
            context.palette.setColor(QPalette::Text, Qt::black);
            painter.save();
            painter.setClipRect(context.clip);
            document.documentLayout()->draw(&painter, context);
            painter.restore();
            QPen border(Qt::darkGray, m_border);
            border.setJoinStyle(Qt::MiterJoin);
            for (const LaidOutRow& row : page) {
                const double cellTop = top - halfGap;
                const double cellBottom = top + row.height + halfGap;
                for (int column = 0; column < columns; ++column) {
                    const QRectF cell(QPointF(edges.at(column), cellTop),
                                      QPointF(edges.at(column + 1), cellBottom));
                    if (m_columns.at(column).background.style() != Qt::NoBrush)
                        painter.fillRect(cell, m_columns.at(column).background);
                    painter.setPen(border);
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(
                        cell.adjusted(m_border / 2, m_border / 2, -m_border / 2, -m_border / 2));
                    painter.setPen(Qt::black);
                    double y = top;
                    for (const auto& part : row.cells.at(std::size_t(column))) {
                        part->draw(&painter, QPointF(m_columns.at(column).left, y));
                        y += part->boundingRect().height() - m_overlap;
                    }
                }
                top = cellBottom + halfGap;
            }
            // The table's own border around the rows.
            if (!page.empty() && columns > 0) {
                const double bottom = top - halfGap;
                const double rowsTopEdge = (firstPage ? firstTop : otherTop) - halfGap;
                painter.setPen(QPen(Qt::darkGray, m_tableBorder));
                const double outside = m_tableBorder / 2;
                painter.drawLine(QPointF(edges.first() - outside, rowsTopEdge),
                                 QPointF(edges.first() - outside, bottom + 2 * outside));
                painter.drawLine(QPointF(edges.last() + outside, rowsTopEdge),
                                 QPointF(edges.last() + outside, bottom + 2 * outside));
                painter.drawLine(QPointF(edges.first() - 2 * outside, bottom + outside),
                                 QPointF(edges.last() + 2 * outside, bottom + outside));
            }
        });
        page.clear();
        firstPage = false;
    };

    // A row no taller than this fits on any page, the first included.
    const double rowHeight = m_pageHeight - std::max(firstTop, otherTop) - m_tail;
    double used = firstTop;
    for (const Row& row : rows) {
        LaidOutRow laidOut;
        for (int column = 0; column < columns; ++column) {
            const Column& shape = m_columns.at(column);
            const QStringList parts = row.value(column);
            std::vector<std::unique_ptr<QTextLayout>> cell;
            double height = 0.0;
            for (int part = 0; part < parts.size(); ++part) {
                const QFont font = shape.fonts.value(part, shape.fonts.value(0));
                const double overlap = part > 0 ? m_overlap : 0.0;
                cell.push_back(
                    fitted(parts.at(part), font, shape.width, rowHeight - height + overlap));
                height += cell.back()->boundingRect().height() - overlap;
            }
            laidOut.height = std::max(laidOut.height, height);
            laidOut.cells.push_back(std::move(cell));
        }
        if (!page.empty() && used + laidOut.height + m_tail > m_pageHeight) {
            printRows();
            used = otherTop;
        }
        used += laidOut.height + m_gap;
        page.push_back(std::move(laidOut));
    }
    if (!page.empty() || firstPage)
        printRows();
}
