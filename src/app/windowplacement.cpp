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
    // An exposed window without a frame has none; only a window not shown
    // yet has its frame guessed.
    placeOnScreen(window, available,
                  WindowPlacement::knownFrame(*window).value_or(
                      windowFrame(window->geometry(), window->frameGeometry())));
}

WindowPlacement::WindowPlacement(QWidget* window, const QRect& available, FrameReader frame,
                                 std::chrono::milliseconds settling,
                                 std::chrono::milliseconds deadline)
    : QObject(window), m_window(window), m_available(available), m_frame(std::move(frame)),
      m_settling(settling)
{
    // A window framed without a move or resize of its own sends nothing to
    // look at; and a watch made after the window was exposed sees no Expose.
    m_tick.setInterval(std::chrono::milliseconds(100));
    connect(&m_tick, &QTimer::timeout, this, &WindowPlacement::check);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(deadline);
    connect(&m_deadline, &QTimer::timeout, this, [this] { end("its deadline passed"); });
    window->installEventFilter(this);
    if (window->isVisible()) {
        watchHandle();
        m_tick.start();
    }
}

WindowPlacement* WindowPlacement::placeAtStart(QWidget* window, const QRect& available,
                                               FrameReader frame,
                                               std::chrono::milliseconds settling,
                                               std::chrono::milliseconds deadline)
{
    placeOnScreen(window, available);
    return new WindowPlacement(window, available, std::move(frame), settling, deadline);
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
    if (m_placing)
        return QObject::eventFilter(watched, event);
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::WinIdChange:
            // The window's handle exists only once it is shown.
            watchHandle();
            if (!m_tick.isActive())
                m_tick.start();
            check();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            check();
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::Expose && m_handle && m_handle->isExposed()) {
        check();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::watchHandle()
{
    QWindow* handle = m_window->windowHandle();
    if (handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    if (m_handle)
        m_handle->installEventFilter(this);
}

void WindowPlacement::check()
{
    // The deadline runs from the first check that finds the window exposed.
    if (m_handle && m_handle->isExposed() && !m_deadline.isActive())
        m_deadline.start();
    const bool placeable = m_window->isVisible() &&
                           !(m_window->windowState() &
                             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const std::optional<QMargins> frame = placeable ? m_frame(*m_window) : std::nullopt;
    if (!frame) {
        m_standingWhole.invalidate();
        return;
    }
    // The geometry reads what was asked at once, before the window manager
    // has acted on it: only a window that stays whole a while has settled.
    if (m_available.contains(m_window->geometry().marginsAdded(*frame))) {
        if (!m_standingWhole.isValid())
            m_standingWhole.start();
        else if (m_standingWhole.elapsed() >= m_settling.count())
            end("it stands whole");
        return;
    }
    m_standingWhole.invalidate();
    qInfo().noquote() << "WindowPlacement: placed again with its frame" << *frame << "from"
                      << m_window->geometry();
    m_placing = true;
    placeOnScreen(m_window, m_available, *frame);
    m_placing = false;
}

void WindowPlacement::end(const char* why)
{
    qInfo().noquote() << "WindowPlacement: settled, as" << why << "at" << m_window->frameGeometry();
    m_tick.stop();
    m_deadline.stop();
    m_window->removeEventFilter(this);
    if (m_handle)
        m_handle->removeEventFilter(this);
    deleteLater();
}
