#include "io/waitwithoutinput.h"

#include <QEventLoop>
#include <QTimer>

namespace IO {
void waitWithoutInput(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
} // namespace IO
