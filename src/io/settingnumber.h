#pragma once

#include <QString>

namespace IO {
// A numeric setting read as an unsigned decimal number; an empty or
// non-numeric text gives the caller's default. Values beyond the int range
// are capped so that callers can use them as millisecond counts.
int unsignedSetting(const QString& key, int fallback);
} // namespace IO
