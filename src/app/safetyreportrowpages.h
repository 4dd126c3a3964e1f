#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class QPaintDevice;
class QTextDocument;

// A long table of the report printed in pages that each hold whole rows:
// a row never runs from one page onto the next, and every page starts
// with the table's head. Lines of a cell break between words; a word wider
// than its column breaks only before a capital letter or a digit, so that
// a name stays readable ("UsrSafety|DiscrpAllowTime", never
// "UsrSafetyDiscrpAllowTim|e").
class SafetyReportRowPages
{
public:
    // Lays out html as the report prints it: on pages, or as one long page.
    using Layout =
        std::function<std::unique_ptr<QTextDocument>(const QString& html, bool paginated)>;

    // table: the table's start tag and its head row. sample: a row whose
    // cells hold "x" for each part of a cell text, in the font that part is
    // printed in. nameColumns: the columns whose words break nowhere else
    // (the column widens where it must); a word of another column that no
    // capital or digit lets fit breaks where it must.
    SafetyReportRowPages(const Layout& layout, const QString& table, const QString& sample,
                         const QVector<int>& nameColumns);

    // The text of a cell's part (to be escaped) with break points in its words
    // that are too wide for the column.
    QString cell(const QString& text, int column, int part = 0);

    // Lays out lead (on the first page only) and the rows in pages of
    // whole rows, and hands each page's document to print.
    void print(const QString& lead, const QStringList& rows,
               const std::function<void(QTextDocument&)>& print) const;

private:
    struct Measures
    {
        double firstTop = 0.0;   // of the first row's text, with the lead above
        double top = 0.0;        // of the first row's text, without the lead
        double gap = 0.0;        // from a row's text to the next one's
        double tail = 0.0;       // below the last row's text
        QVector<double> heights; // of each row's text
    };
    Measures measure(const QString& lead, const QStringList& rows) const;
    QString pageHtml(const QString& lead, const QStringList& rows, int from, int to) const;
    double wordWidth(const QString& word, const QFont& font) const;
    QString breakable(const QString& word, int column, int part) const;

    Layout m_layout;
    QString m_table;
    const QPaintDevice* m_device = nullptr;
    double m_pageHeight = 0.0;
    QVector<double> m_widths;        // of each column's text
    QVector<QVector<QFont>> m_fonts; // of each column's parts
    QVector<int> m_nameColumns;
    QHash<QString, QString> m_cells; // the texts given, by column, part and text
};
