#pragma once

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "camera/camera.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "dialogs/dialogform.h"
#include "tracking/motionmetrics.h"

// Brings the process-wide session back to the state of a new process, so
// that every test starts the real main window as the application does.
inline void resetSession()
{
    ClientSessionInfo::stopPreview();
    // An application that quit has released its camera; a new process has
    // one from its start.
    if (!ClientSessionInfo::camera)
        ClientSessionInfo::camera = new Camera();
    ClientSessionInfo::applicationRunning = false;
    ClientSessionInfo::accounts = AccountStore();
    ClientSessionInfo::recordingUserPath.clear();
    ClientSessionInfo::language.clear();
    ClientSessionInfo::langEnum = LangEnglish;
    ClientSessionInfo::selectedCamera.clear();
    ClientSessionInfo::actualSelectedCamera = 0;
    ClientSessionInfo::actualForm = nullptr;
    ClientSessionInfo::nextForm = nullptr;
    ClientSessionInfo::whereIAM = FormLogin;
    ClientSessionInfo::dialogForm = nullptr;
    ClientSessionInfo::fieldWidthMm = kStandardFieldWidthMm;
    ClientSessionInfo::OfflineMode = false;
    ClientSessionInfo::timertype = TimerNone;
}

// Removes the configuration file and makes sure its folder exists, as the
// process entry does before the main window is shown.
inline void removeConfiguration()
{
    QFile::setPermissions(ClientSessionInfo::configPath, QFileDevice::ReadUser | QFileDevice::WriteUser);
    QFile::remove(ClientSessionInfo::configPath);
    QDir().mkpath(QFileInfo(ClientSessionInfo::configPath).absolutePath());
}

inline QByteArray configurationText()
{
    QFile::setPermissions(ClientSessionInfo::configPath, QFileDevice::ReadUser | QFileDevice::WriteUser);
    QFile file(ClientSessionInfo::configPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeConfiguration(const QByteArray &text)
{
    removeConfiguration();
    QFile file(ClientSessionInfo::configPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A data location in `folder` with the account "usr" and a configuration
// naming it, so that the application starts straight into the menu.
inline void prepareInstallation(const QString &folder)
{
    const DataLocation location(folder + QLatin1Char('/'));
    location.createFolders();
    QVERIFY(location.exists());
    writeConfiguration("<application_params>\n <language>en</language>\n <recordingPath>"
        + location.root().toUtf8()
        + "</recordingPath>\n <selected_camera>Virtual Camera</selected_camera>\n</application_params>\n");
    AccountStore accounts;
    accounts.setLocation(location);
    QVERIFY(accounts.add("usr", "7391"));
}

// A new process's session on a fresh installation with one account in a new
// temporary folder, and the real main window started and shown on it, as the
// application starts.
inline void startOnFreshInstallation(
    std::unique_ptr<QTemporaryDir> &data, std::unique_ptr<MainWindow> &window)
{
    resetSession();
    data = std::make_unique<QTemporaryDir>();
    prepareInstallation(data->path());
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

// The same for a window that the caller deletes.
inline void startOnFreshInstallation(std::unique_ptr<QTemporaryDir> &data, MainWindow *&window)
{
    std::unique_ptr<MainWindow> started;
    startOnFreshInstallation(data, started);
    window = started.release();
}

// The widget of type T shown in the dialog host, or null.
template <typename T> T *shownDialog()
{
    DialogForm *host = ClientSessionInfo::dialogHost();
    if (!host || !host->isVisible())
        return nullptr;
    T *dialog = host->findChild<T *>();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

// Answers the next folder picker with `folder`, as a user would by choosing
// it and pressing the picker's button.
inline void answerFolderPicker(const QString &folder)
{
    auto *poll = new QTimer();
    QObject::connect(poll, &QTimer::timeout, [poll, folder] {
        auto *picker = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!picker)
            return;
        poll->stop();
        poll->deleteLater();
        // Typed into the picker's name field, as a user may do.
        auto *name = picker->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(folder);
        QMetaObject::invokeMethod(picker, "accept");
    });
    poll->start(20);
}
