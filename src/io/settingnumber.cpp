#include "io/settingnumber.h"

#include "app/core/setting.h"

#include <limits>

namespace IO {
int unsignedSetting(const QString& key, int fallback)
{
    const QString text = Setting::instance()->value(key).trimmed();
    if (text.isEmpty())
        return fallback;
    // Only plain digits: no sign, no hexadecimal prefix.
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return fallback;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 10);
    if (!ok) // more digits than 64 bits hold
        return std::numeric_limits<int>::max();
    return int(qMin<qulonglong>(value, qulonglong(std::numeric_limits<int>::max())));
}
} // namespace IO
