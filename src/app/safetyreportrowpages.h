#pragma once

#include <QBrush>
#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class QPaintDevice;
class QPainter;
class QTextDocument;
class QTextLayout;

// A long table of the report printed in pages that each hold whole rows:
// a row never runs from one page onto the next, and every page starts
// with the table's head. A cell too tall for a page shows only what fits
// of its text. Lines of a cell break between words; a word wider
// than its column breaks only before a capital letter or a digit, so that
// a name stays readable ("UsrSafety|DiscrpAllowTime", never
// "UsrSafetyDiscrpAllowTim|e").
//
// Only the head is a laid out table: the rows are drawn cell by cell in the
// head's columns, each cell's text laid out once, as a long table's layout
// lays every cell out several times to find its columns.
class SafetyReportRowPages
{
public:
    // Lays out html as the report prints it: on pages, or as one long page.
    using Layout =
        std::function<std::unique_ptr<QTextDocument>(const QString& html, bool paginated)>;
    // Prints one page, which draw paints in page coordinates.
    using PrintPage = std::function<void(const std::function<void(QPainter&)>& draw)>;
    // A row's cells, each as its parts' texts.
    using Row = QVector<QStringList>;

    // table: the table's start tag and its head row. sample: a row whose
    // cells hold "x" for each part of a cell text, in the font that part is
    // printed in, and the cells' backgrounds. nameColumns: the columns whose
    // words break nowhere else; a word of another column that no capital or
    // digit lets fit breaks where it must.
    SafetyReportRowPages(const Layout& layout, const QString& table, const QString& sample,
                         const QVector<int>& nameColumns);
    ~SafetyReportRowPages();

    // The text of a cell's part with break points in its words that are too
    // wide for the column.
    QString cell(const QString& text, int column, int part = 0);

    // Prints lead (on the first page only) and the rows in pages of whole
    // rows.
    void print(const QString& lead, const QVector<Row>& rows, const PrintPage& printPage) const;

private:
    struct Column
    {
        double left = 0.0;    // of the cell's text
        double width = 0.0;   // of the cell's text
        QVector<QFont> fonts; // of the cell's parts
        QBrush background;
    };
    double wordWidth(const QString& word, const QFont& font) const;
    QString breakable(const QString& word, int column, int part) const;
    std::unique_ptr<QTextLayout> laidOut(const QString& text, const QFont& font,
                                         double width) const;
    // The text laid out no taller than height: where it is taller, as much
    // of its beginning and end as fits with an ellipsis between them.
    std::unique_ptr<QTextLayout> fitted(const QString& text, const QFont& font, double width,
                                        double height) const;

    Layout m_layout;
    QString m_table;
    const QPaintDevice* m_device = nullptr;
    double m_pageHeight = 0.0;
    double m_gap = 0.0;     // from a row's text to the next one's
    double m_tail = 0.0;    // below the last row's text
    double m_overlap = 0.0; // of a cell's lines
    double m_border = 0.0;  // of each cell
    double m_tableBorder = 0.0;
    QVector<Column> m_columns;
    QVector<int> m_nameColumns;
    QHash<QString, QString> m_cells; // the texts given, by column, part and text
};
