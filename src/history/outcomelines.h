#pragma once

#include <QString>
#include <QStringList>

// What a copy or a write of several files came to, for the history's status
// line: the line of what was done, then a line naming the files an existing
// file of the same name kept back, and one naming those that failed, each
// only when there are any. skippedLine and failedLine hold %1 for the names.
inline QString outcomeLines(const QString &doneLine, const QString &skippedLine, const QStringList &skipped,
    const QString &failedLine, const QStringList &failed)
{
    QStringList lines { doneLine };
    if (!skipped.isEmpty())
        lines << skippedLine.arg(skipped.join(QStringLiteral(", ")));
    if (!failed.isEmpty())
        lines << failedLine.arg(failed.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}
