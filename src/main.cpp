#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/graphics/common_icons/app_icon.png")));
    MainWindow window;

    // The configuration folder is the one that holds the configuration file.
    const QString dir = QFileInfo(ClientSessionInfo::configPath).absolutePath();
    if (!QDir(dir).exists()) {
        QDir().mkpath(dir);
        qCDebug(lcCore) << "mkdir" << dir;
    }

    window.setWelcomeType(WelcomeUserExists);
    window.showFullScreen();
    return app.exec();
}
