#include "polishstyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace {

const char* const waitingSheet = "_polishStyleSheet";

class PolishFilter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Polish)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        widget->removeEventFilter(this);
        const QString sheet = widget->property(waitingSheet).toString();
        widget->setProperty(waitingSheet, QVariant());
        if (widget->styleSheet().isEmpty())
            widget->setStyleSheet(sheet);
        return false;
    }
};

PolishFilter* filter()
{
    static PolishFilter* instance = new PolishFilter;
    return instance;
}

// Drops Qt's early polish requests for widgets whose window has never been
// shown; such a widget is polished when its window is shown or when it is
// measured, by then in its place.
class RequestFilter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::PolishRequest && watched->isWidgetType() &&
               !static_cast<QWidget*>(watched)->window()->testAttribute(
                   Qt::WA_WState_ExplicitShowHide);
    }
};

int holds = 0;
RequestFilter* requestFilter = nullptr;

} // namespace

namespace PolishStyle {

void set(QWidget* widget, const QString& sheet)
{
    const bool waiting = widget->property(waitingSheet).isValid();
    if (sheet.isEmpty() ? !waiting : widget->testAttribute(Qt::WA_WState_Polished)) {
        widget->setStyleSheet(sheet);
        return;
    }
    if (sheet.isEmpty()) {
        widget->removeEventFilter(filter());
        widget->setProperty(waitingSheet, QVariant());
        return;
    }
    if (!waiting)
        widget->installEventFilter(filter());
    widget->setProperty(waitingSheet, sheet);
}

QString styleSheet(const QWidget* widget)
{
    const QVariant waiting = widget->property(waitingSheet);
    return waiting.isValid() ? waiting.toString() : widget->styleSheet();
}

Hold::Hold()
{
    if (holds++ == 0 && QCoreApplication::instance()) {
        requestFilter = new RequestFilter;
        QCoreApplication::instance()->installEventFilter(requestFilter);
    }
}

Hold::~Hold()
{
    if (--holds == 0) {
        delete requestFilter;
        requestFilter = nullptr;
    }
}

} // namespace PolishStyle
