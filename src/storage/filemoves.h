#pragma once

#include <QString>

#include <functional>

// Moves of finished files into their place that hold against other writers
// of the same folder, where a check followed by a rename would not: between
// the two, another program (an export of another trainer, a deletion) may
// have put a file there, or taken one away.

enum class Placed { Done, TargetExists, Failed };

// Gives a finished temporary file the name target, unless a file of that
// name exists: then the temporary file stays and nothing is replaced. By a
// hard link where the file system has them; else by a rename that refuses
// to replace; on a file system with neither (old network shares), by a
// rename after a last look.
Placed placeWithoutReplacing(const QString &temporary, const QString &target);

enum class Swapped { Done, TargetGone, Failed };

// Swaps two files in one step: replacement takes target's name and target
// takes replacement's, to be removed by the caller. Refused (TargetGone)
// when target no longer exists, so that a file deleted meanwhile is never
// brought back. Where the file system cannot swap, a rename after a last
// look takes its place.
Swapped swapFiles(const QString &replacement, const QString &target);

class QIODevice;

// Writes a new file named target through a hidden temporary file beside it,
// which only a complete write turns into target, and never over a file of
// that name (TargetExists): a write that fails leaves nothing behind. write
// fills the temporary file and says whether it could.
Placed writeNewFile(const QString &target, const std::function<bool(QIODevice *)> &write);
