#include <QApplication>

#include "core/mainwindow.h"
#include "core/startup.h"

int main(int argc, char *argv[])
{
    prepareProcess();
    QApplication app(argc, argv);
    MainWindow window;
    launch(window);
    return app.exec();
}
