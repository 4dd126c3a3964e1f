#include "polishstyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {

const char* const waitingSheet = "_polishStyleSheet";

void applyWaiting(QWidget* widget)
{
    const QString sheet = widget->property(waitingSheet).toString();
    widget->setProperty(waitingSheet, QVariant());
    if (widget->styleSheet().isEmpty())
        widget->setStyleSheet(sheet);
}

// Watches every polish in the program. A widget's children are polished
// right after the widget itself: when a parent is polished, its waiting
// children take their sheets while still unpolished, which costs no more than
// a sheet set at construction. A waiting widget polished on its own (measured
// before its parent) takes its sheet then and is re-styled once more.
class PolishFilter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Polish || !watched->isWidgetType())
            return false;
        if (watched->property(waitingSheet).isValid())
            applyWaiting(static_cast<QWidget*>(watched));
        for (QObject* child : watched->children()) {
            if (child->isWidgetType() && child->property(waitingSheet).isValid())
                applyWaiting(static_cast<QWidget*>(child));
        }
        return false;
    }
};

// Installed on the application (and going with it) when the first sheet
// waits.
void watchPolish()
{
    static QPointer<PolishFilter> watcher;
    if (!watcher) {
        watcher = new PolishFilter;
        watcher->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
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
    watchPolish();
    widget->setProperty(waitingSheet, sheet.isEmpty() ? QVariant() : QVariant(sheet));
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

bool isHeld()
{
    return holds > 0;
}

Hold::~Hold()
{
    if (--holds == 0) {
        delete requestFilter;
        requestFilter = nullptr;
    }
}

} // namespace PolishStyle
