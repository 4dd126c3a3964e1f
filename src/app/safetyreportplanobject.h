#pragma once

#include "view3d/planview.h"

#include <QObject>
#include <QTextFormat>
#include <QTextObjectInterface>

class QTextDocument;

// The plan view inside the safety report's text: a drawing the document
// lays out as one character and paints straight onto the page, so that the
// PDF carries it as vector graphics and text.
class SafetyReportPlanObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int ObjectType = QTextFormat::UserObject + 1;

    explicit SafetyReportPlanObject(const ParameterImage& image);

    // Registers the drawing with document and puts it in the place of the
    // image named imageName. False when the document holds no such image.
    bool insertInto(QTextDocument& document, const QString& imageName);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    PlanView m_plan;
};
