#pragma once

#include "parameter/parameterimage.h"

#include <QCoreApplication>
#include <QImage>
#include <QSet>
#include <QString>

#include <functional>

class QDateTime;
class QIODevice;

// A safety report of one parameter set that a person can read, check and
// sign, written as a PDF in the interface language: a title page with the
// robot type, the set's source, its signature as the safety signature page
// shows it, the report date and lines for the checker's name, date and
// signature; one section per safety function page in the function menu's
// order with the values, display names, units and limits (values outside
// their limits or not finite marked, as the value validator finds them); the logical
// operations as formulas; the plan view of the robot with its enabled
// models and areas (a one-line note where no OpenGL is available).
class SafetyReport
{
    Q_DECLARE_TR_FUNCTIONS(SafetyReport)

public:
    // Told after each step: the steps done and their total.
    using Progress = std::function<void(int done, int total)>;

    // The pages with a table of values, the logical operations, the title
    // page, the plan view and the PDF itself.
    static const int StepCount;

    // source: the file name or the unit's address the set came from.
    SafetyReport(const ParameterImage& image, const QString& source);

    // Writes the PDF through a temporary file that replaces path only once
    // it is complete. False when the file cannot be written; nothing is
    // left behind then.
    bool write(const QString& path, const Progress& progress = Progress()) const;

    // "OBX_Safetyreport_<yyyyMMddhhmmss>.pdf"
    static QString proposedFileName(const QDateTime& time);

private:
    QString titlePage() const;
    QString pageSection(int page) const;
    QString logicSection() const;
    QString oddAssignments() const;
    QString planSection(bool drawn) const;
    void print(QIODevice& device, const QString& html, const QImage& plan) const;

    ParameterImage m_image;
    QString m_source;
    // Byte offsets of the values outside their limits or not finite.
    QSet<int> m_outside;
};
