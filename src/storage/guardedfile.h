#pragma once

#include <QByteArray>
#include <QString>

// The files beside a training's video are read only when they are what they
// claim to be: a regular file, in the folder they were listed in (a link
// may point elsewhere in it, not out of it), and no larger than a limit. A
// FIFO would block its reader for ever, a device never ends, a link out of
// the folder reads what the account must not, and a file of a gigabyte
// fills the memory; each is refused with a log line.
enum class GuardedRead { Read, Absent, Refused, Failed };

GuardedRead readGuarded(const QString &path, qint64 limit, QByteArray *content);
