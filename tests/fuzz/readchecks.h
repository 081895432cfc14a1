#pragma once

#include <QString>
#include <cstdlib>

// How the fuzz targets report a broken promise: by aborting, which libFuzzer
// records as a crash with its input; and what they check of a read text.

inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A value the reader left as it was, or simplified text holding an ASCII
// letter or digit.
inline bool isUntouchedOrSimplified(const QString &value, const QString &untouched)
{
    if (value == untouched)
        return true;
    if (value != value.simplified())
        return false;
    for (const QChar ch : value) {
        if (ch.unicode() < 128 && ch.isLetterOrNumber())
            return true;
    }
    return false;
}
