#pragma once

#include "app/safetyreportrowpages.h"
#include "parameter/parameterimage.h"
#include "parameter/valuevalidator.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <initializer_list>

class QDateTime;
class QIODevice;
class QTextDocument;

// A safety report of one parameter set that a person can read, check and
// sign, written as a PDF in the interface language: a title page with the
// robot type, the set's source, its signature as the safety signature page
// shows it, the report date and lines for the checker's name, date and
// signature; one section per safety function page in the function menu's
// order with the values, display names, units and limits; the logical
// operations as formulas; the plan view of the robot with its enabled
// models and areas, drawn as vectors with or without a display; and a
// closing list of every value the value validator finds (outside its
// limits, not finite, or whose file text was not kept). Each such value is
// marked with its number in that list wherever a page shows it, and the
// title page gives their count.
class SafetyReport
{
    Q_DECLARE_TR_FUNCTIONS(SafetyReport)

public:
    // Told after each step: the steps done and their total.
    using Progress = std::function<void(int done, int total)>;

    // The pages with a table of values, the logical operations, the title
    // page, the plan view with the closing list, and the PDF itself.
    static const int StepCount;

    // source: the file name or the unit's address the set came from.
    SafetyReport(const ParameterImage& image, const QString& source);
    // entries: the validator's findings for the image, with those that only
    // the file's texts show (ValueValidator::check with the file's table).
    SafetyReport(const ParameterImage& image, const QString& source,
                 const QVector<LimitEntry>& entries);

    // Writes the PDF through a temporary file that replaces path only once
    // it is complete. False when the file cannot be written, with the reason
    // in *error where given; nothing is left behind then.
    bool write(const QString& path, const Progress& progress = Progress(),
               QString* error = nullptr) const;

    // "OBX_Safetyreport_<yyyyMMddhhmmss>.pdf"
    static QString proposedFileName(const QDateTime& time);
    // The font the report is set in: the language's own shipped font, so
    // that its glyphs and sizes are the same on every machine.
    static QFont font();

private:
    QString titlePage() const;
    QString pageSection(int page) const;
    QString logicSection() const;
    QString oddAssignments() const;
    // The marks of the listed values among the cells of the logic fields
    // (one row each) at index.
    QStringList logicMarks(std::initializer_list<int> fieldNumbers, int index) const;
    QString planSection() const;
    // The closing list, in pages of whole rows laid out by layout.
    void printFindings(const SafetyReportRowPages::Layout& layout,
                       const std::function<void(QTextDocument&)>& printDocument,
                       const SafetyReportRowPages::PrintPage& printPage) const;
    QString entryPage(const LimitEntry& entry) const;
    QString markedValue(int offset, const QString& text) const;
    // Each section starts on a new page.
    void print(QIODevice& device, const QStringList& sections) const;

    ParameterImage m_image;
    QString m_source;
    QVector<LimitEntry> m_entries;
    // Index in m_entries by the byte offset of the value.
    QHash<int, int> m_entryAt;
};
