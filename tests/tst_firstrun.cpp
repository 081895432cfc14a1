#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "camera/cameraselectdialog.h"
#include "core/mainwindow.h"
#include "dialogs/languageselectdialog.h"
#include "dialogs/writelocationdialog.h"
#include "sessionfixture.h"
#include "traineesteps.h"

// Start-up of the real main window on fresh folders, with the first-run
// chain walked by clicking its widgets. The acceptance walk checks the
// files a first run leaves and a later start's menu.
class FirstRunTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunInFrenchRefusesAnUnwritableLocation();
    void configurationWithoutCameraForcesFirstRun();

private:
    void startWindow();

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QTemporaryDir> data;
};

void FirstRunTest::init()
{
    resetSession();
    removeConfiguration();
    data = std::make_unique<QTemporaryDir>();
    QVERIFY(data->isValid());
}

void FirstRunTest::cleanup()
{
    window.reset();
    resetSession();
}

void FirstRunTest::startWindow()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void FirstRunTest::firstRunInFrenchRefusesAnUnwritableLocation()
{
    startWindow();
    QWidget *menu = window->screenFor(FormMenu);
    QVERIFY(!menu->isEnabled());

    // The next dialog of the chain speaks the language chosen.
    TraineeSteps::chooseLanguage("fr_label");
    QCOMPARE(ClientSessionInfo::langEnum, LangFrench);
    auto *next = window->findChild<CameraSelectDialog *>()->findChild<QPushButton *>("nextBtn");
    QTRY_COMPARE(next->text(), QStringLiteral("SUIVANT"));
    TraineeSteps::confirmCamera();

    // Nothing can be written below a regular file, not even as root.
    QTemporaryFile regularFile;
    QVERIFY(regularFile.open());
    QTRY_VERIFY(shownDialog<WriteLocationDialog>());
    auto *dialog = shownDialog<WriteLocationDialog>();
    auto *error = dialog->findChild<QLabel *>("errorLabel");
    QVERIFY(!error->isVisible());
    dialog->findChild<QLabel *>("label_2")->setText(regularFile.fileName() + "/data");
    QTest::mouseClick(dialog->findChild<QPushButton *>("nextBtn"), Qt::LeftButton);
    QVERIFY(error->isVisible());
    QVERIFY(!error->text().isEmpty());
    QCOMPARE(shownDialog<WriteLocationDialog>(), dialog);
    QVERIFY(ClientSessionInfo::users().isEmpty());

    TraineeSteps::chooseLocation(data->path());
    QTRY_VERIFY(!ClientSessionInfo::dialogHost()->isVisible());
    QVERIFY(menu->isEnabled());
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    QVERIFY(configurationText().contains("<language>fr</language>"));

    // Minimised and restored, the window does not start again.
    DialogForm *host = ClientSessionInfo::dialogHost();
    User *user = ClientSessionInfo::actualUser();
    window->showMinimized();
    QTRY_VERIFY(window->windowState() & Qt::WindowMinimized);
    window->showFullScreen();
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(ClientSessionInfo::dialogHost(), host);
    QCOMPARE(ClientSessionInfo::actualUser(), user);
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    QVERIFY(!host->isVisible());
}

void FirstRunTest::configurationWithoutCameraForcesFirstRun()
{
    prepareInstallation(data->path());
    writeConfiguration("<application_params>\n <language>de</language>\n <recordingPath>"
        + data->path().toUtf8() + "/</recordingPath>\n</application_params>\n");
    QFile account(data->filePath("Kavrin/Pemblar/Users/usr.usr"));
    QVERIFY(account.open(QIODevice::ReadWrite));
    QVERIFY(account.seek(308));
    const qint32 hour = 3600;
    account.write(reinterpret_cast<const char *>(&hour), sizeof hour);
    account.close();

    startWindow();
    QVERIFY(shownDialog<LanguageSelectDialog>());
    // The damaged file was replaced by the default one before it was read;
    // the existing account stays on disk for the location chosen again.
    QVERIFY(configurationText().contains("<selected_camera>HD USB Camera</selected_camera>"));

    // Choosing the same location again finds the account and keeps it.
    TraineeSteps::chooseLanguage("fr_label");
    TraineeSteps::confirmCamera();
    TraineeSteps::chooseLocation(data->path());
    QTRY_VERIFY(!ClientSessionInfo::dialogHost()->isVisible());
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    QCOMPARE(ClientSessionInfo::actualUser()->totalTrainingTime, hour);
    QVERIFY(account.open(QIODevice::ReadOnly));
    QCOMPARE(account.readAll().mid(308, 4), QByteArray(reinterpret_cast<const char *>(&hour), sizeof hour));
}

QTEST_MAIN(FirstRunTest)
#include "tst_firstrun.moc"
