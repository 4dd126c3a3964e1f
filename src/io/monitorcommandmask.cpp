#include "io/monitorcommandmask.h"

#include <QRegularExpression>

namespace IO {
QString maskMonitorCommand(const QString& command)
{
    // Matched leniently (letter case, blanks) so that no spelling of the
    // command slips through: a command that starts with ZSAFM_PASS keeps at
    // most a /CHK or /CHG switch standing alone; whatever follows is masked.
    static const QRegularExpression passCommand(
        QStringLiteral("^(\\s*ZSAFM_PASS)((?:\\s+/CH[KG](?=\\s|$))?)(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = passCommand.match(command);
    if (!match.hasMatch())
        return command;
    const QString head = match.captured(1) + match.captured(2);
    if (match.captured(3).trimmed().isEmpty())
        return head + match.captured(3);
    return head + QStringLiteral(" ********");
}
} // namespace IO
