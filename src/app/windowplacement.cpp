#include "app/windowplacement.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>
#include <QWindow>
#include <QtDebug>

QPoint centredPosition(const QRect& available, const QRect& frame)
{
    const QPoint position = frame.topLeft() + (available.center() - frame.center());
    return QPoint(qMax(position.x(), 0), qMax(position.y(), 0));
}

QSize fittedWindowSize(const QSize& wanted, const QRect& available, const QMargins& frame)
{
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    return wanted.boundedTo(room);
}

namespace {

QMargins marginsBetween(const QRect& inner, const QRect& outer)
{
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

} // namespace

QMargins windowFrame(const QRect& inner, const QRect& outer)
{
    // Until the window manager has framed the window, the frame reads as the
    // window itself, or as a frame window not yet sized (1 x 1) around it.
    if (outer == inner || !outer.contains(inner))
        return QMargins(8, 32, 8, 8);
    return marginsBetween(inner, outer);
}

void placeOnScreen(QWidget* window, const QRect& available, const QMargins& frame)
{
    // The place comes from the size the window is given here, not from the
    // geometry read back: a minimized window may not have its size yet.
    const QSize size =
        QLayout::closestAcceptableSize(window, fittedWindowSize(window->size(), available, frame));
    const QSize outer = size.grownBy(frame);
    const QPoint corner = centredPosition(available, QRect(QPoint(), outer));
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size));
}

void placeOnScreen(QWidget* window, const QRect& available)
{
    placeOnScreen(window, available, windowFrame(window->geometry(), window->frameGeometry()));
}

WindowPlacement::WindowPlacement(QWidget* window, const QRect& available, FrameReader frame)
    : QObject(window), m_window(window), m_available(available), m_frame(std::move(frame))
{
    window->installEventFilter(this);
}

std::optional<QMargins> WindowPlacement::knownFrame(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (!handle || !handle->isExposed())
        return std::nullopt;
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    // Exposed without a frame: no window manager frames it.
    if (outer == inner)
        return QMargins();
    // A frame window not yet sized around the window.
    if (!outer.contains(inner))
        return std::nullopt;
    return marginsBetween(inner, outer);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (watched == m_window && !m_placing)
            check();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::check()
{
    if (!m_window->isVisible() ||
        (m_window->windowState() &
         (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const std::optional<QMargins> frame = m_frame(*m_window);
    if (!frame)
        return;
    if (m_available.contains(m_window->geometry().marginsAdded(*frame))) {
        if (!frame->isNull()) {
            m_window->removeEventFilter(this);
            deleteLater();
        }
        return;
    }
    qInfo().noquote() << "WindowPlacement: placed again with its frame" << *frame << "from"
                      << m_window->geometry();
    m_placing = true;
    placeOnScreen(m_window, m_available, *frame);
    m_placing = false;
}
