#include "core/shutdown.h"

#include <QProcess>
#include <QStringList>

QString shutDownCommand()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("shutdown -s -f -t 5");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("osascript -e \"tell application \\\"System Events\\\" to shut down\"");
#else
    return QStringLiteral("systemctl poweroff");
#endif
}

void shutDownComputer()
{
    QStringList arguments = QProcess::splitCommand(shutDownCommand());
    const QString program = arguments.takeFirst();
    QProcess::startDetached(program, arguments);
}
