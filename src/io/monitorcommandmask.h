#pragma once

#include <QString>

namespace IO {
// The monitor command as it may be shown or logged: the password command
// ("ZSAFM_PASS /CHK ", "ZSAFM_PASS /CHG ") keeps its switch, and everything
// after it is replaced by a fixed mask that reveals neither the passwords nor
// their length. Other commands come back unchanged.
QString maskMonitorCommand(const QString& command);
} // namespace IO
