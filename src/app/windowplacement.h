#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QWidget;
class QWindow;

// Where a window's frame goes to stand centred on the available area, never
// with its top-left corner above or left of the screen.
QPoint centredPosition(const QRect& available, const QRect& frame);
// The wanted size where the window with its frame fits the available area;
// else as much of it as the area takes, title bar included.
QSize fittedWindowSize(const QSize& wanted, const QRect& available, const QMargins& frame);
// The margins of the window manager's frame from the window's geometry and
// its frame geometry; while the frame is not known yet, margins that hold a
// usual title bar and border.
QMargins windowFrame(const QRect& inner, const QRect& outer);
// The window at the fitted size of its present one, centred with the frame
// given, or with its frame as far as known.
void placeOnScreen(QWidget* window, const QRect& available, const QMargins& frame);
void placeOnScreen(QWidget* window, const QRect& available);

// A window placed before it was shown was placed with a guess of its frame,
// or with none where no window manager frames it. From its first showing
// until its start has settled, it is checked whenever it is exposed, moved
// or resized and on a short timer besides, since the window manager may
// frame it without sending any of these; while it does not stand whole on
// the available area, it is placed again with its real frame.
//
// The start has settled once the window has stood whole in a known frame
// (or exposed without any) for the settling time, or, whole or not, once
// the deadline has passed since the window was first found exposed. The
// watch then ends for good: whatever the user does with the window after
// that stays as the user left it.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // The frame's margins, none where the window has no frame; nothing
    // while the window manager has not framed the window yet.
    using FrameReader = std::function<std::optional<QMargins>(const QWidget&)>;

    static constexpr std::chrono::milliseconds defaultSettling{1000};
    static constexpr std::chrono::milliseconds defaultDeadline{3000};

    // The start-up's placement: the window placed with its frame as far as
    // known, then watched until its start has settled.
    static WindowPlacement* placeAtStart(QWidget* window, const QRect& available,
                                         FrameReader frame = knownFrame,
                                         std::chrono::milliseconds settling = defaultSettling,
                                         std::chrono::milliseconds deadline = defaultDeadline);

    // From the window's geometry and frame geometry once it is exposed.
    static std::optional<QMargins> knownFrame(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Watches the window, which owns the watch.
    WindowPlacement(QWidget* window, const QRect& available, FrameReader frame,
                    std::chrono::milliseconds settling, std::chrono::milliseconds deadline);

    void watchHandle();
    void check();
    void end(const char* why);

    QWidget* m_window;
    QPointer<QWindow> m_handle;
    QRect m_available;
    FrameReader m_frame;
    std::chrono::milliseconds m_settling;
    QTimer m_tick;
    QTimer m_deadline;
    QElapsedTimer m_standingWhole;
    bool m_placing = false;
};
