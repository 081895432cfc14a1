#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
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

// A path in a folder of the run's own, made at first use.
inline QString scratchPath(const QString &name)
{
    static QTemporaryDir folder;
    check(folder.isValid());
    return folder.filePath(name);
}

// The file at path, written once, then written again by writeAgain from what
// was read back: the two must be the same bytes.
template <typename WriteAgain> void checkWrittenAgainSame(const QString &path, WriteAgain writeAgain)
{
    QFile written(path);
    check(written.open(QIODevice::ReadOnly));
    const QByteArray first = written.readAll();
    written.close();
    check(writeAgain());
    check(written.open(QIODevice::ReadOnly) && written.readAll() == first);
}
