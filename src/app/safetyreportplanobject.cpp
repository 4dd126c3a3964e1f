#include "app/safetyreportplanobject.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Narrower than the text of an A4 page between the report's margins.
constexpr double widthMm = 130.0;

} // namespace

SafetyReportPlanObject::SafetyReportPlanObject(const ParameterImage& image) : m_plan(image) {}

bool SafetyReportPlanObject::insertInto(QTextDocument& document, const QString& imageName)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (!part.charFormat().isImageFormat() ||
                part.charFormat().toImageFormat().name() != imageName)
                continue;
            document.documentLayout()->registerHandler(ObjectType, this);
            QTextCharFormat format;
            format.setObjectType(ObjectType);
            QTextCursor cursor(&document);
            cursor.setPosition(part.position());
            cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
            return true;
        }
    return false;
}

QSizeF SafetyReportPlanObject::intrinsicSize(QTextDocument* document, int, const QTextFormat&)
{
    // The layout's units are the paint device's pixels: a PDF's while it
    // is printed.
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    const double dotsPerMm = (device ? device->logicalDpiX() : 96) / 25.4;
    double width = widthMm * dotsPerMm;
    // Never taller than most of a page, which it cannot leave: a long
    // legend (areas and models that cannot be drawn) makes it narrower.
    const double room = document->pageSize().height() * 0.75;
    const double height = m_plan.heightFor(width, document->defaultFont());
    if (room > 0.0 && height > room)
        width *= room / height;
    return QSizeF(width, m_plan.heightFor(width, document->defaultFont()));
}

void SafetyReportPlanObject::drawObject(QPainter* painter, const QRectF& rect,
                                        QTextDocument* document, int, const QTextFormat&)
{
    // The report's font, for the plan's labels in every language.
    painter->setFont(document->defaultFont());
    m_plan.paint(*painter, rect);
}
