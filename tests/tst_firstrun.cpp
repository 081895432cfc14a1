#include <QCamera>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "camera/camera.h"
#include "camera/cameraselectdialog.h"
#include "core/apptext.h"
#include "core/mainwindow.h"
#include "dialogs/languageselectdialog.h"
#include "dialogs/writelocationdialog.h"
#include "sessionfixture.h"
#include "traineesteps.h"

// Start-up of the real main window on fresh folders: the first-run chain
// walked by clicking its widgets, and later starts with what it left.
class FirstRunTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshStartWalksTheChain();
    void secondStartShowsMenu();
    void configurationWithoutCameraForcesFirstRun();
    void minimiseAndRestoreDoNotStartAgain();
    void unwritableLocationStaysOnDialog();

private:
    void startWindow();
    void walkChain(const QString &folder);
    void firstRunThenQuit();

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
    QVERIFY(ClientSessionInfo::applicationRunning);
}

void FirstRunTest::walkChain(const QString &folder)
{
    TraineeSteps::chooseLanguage("fr_label");
    TraineeSteps::confirmCamera();
    TraineeSteps::chooseLocation(folder);
}

// A whole first run in a window that then closes, leaving its files as the
// next start finds them.
void FirstRunTest::firstRunThenQuit()
{
    startWindow();
    walkChain(data->path());
    QTRY_VERIFY(!ClientSessionInfo::dialogForm->isVisible());
    window.reset();
    resetSession();
}

void FirstRunTest::freshStartWalksTheChain()
{
    startWindow();
    QWidget *menu = window->screenFor(FormMenu);
    QCOMPARE(ClientSessionInfo::actualForm, menu);
    QVERIFY(!menu->isEnabled());

    TraineeSteps::chooseLanguage("fr_label");
    QCOMPARE(ClientSessionInfo::langEnum, LangFrench);
    QCOMPARE(text(TxtNext, false, true, false, 0), QStringLiteral("SUIVANT"));
    auto *next = window->findChild<CameraSelectDialog *>()->findChild<QPushButton *>("nextBtn");
    QTRY_COMPARE(next->text(), QStringLiteral("SUIVANT"));

    TraineeSteps::confirmCamera();
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera() || !shownDialog<CameraSelectDialog>());
    TraineeSteps::chooseLocation(data->path());

    QTRY_VERIFY(!ClientSessionInfo::dialogForm->isVisible());
    QVERIFY(menu->isEnabled());
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());

    const QDir location(data->path());
    QVERIFY(location.exists("Kavrin/Pemblar/Users"));
    QVERIFY(location.exists("Kavrin/Pemblar/Records/usr"));
    QCOMPARE(
        QDir(location.filePath("Kavrin/Pemblar/Users")).entryList(QDir::Files), QStringList { "usr.usr" });
    QFile account(location.filePath("Kavrin/Pemblar/Users/usr.usr"));
    QVERIFY(account.open(QIODevice::ReadOnly));
    const QByteArray record = account.readAll();
    QCOMPARE(record.size(), 340);
    QCOMPARE(QByteArray(record.constData()), QByteArray("usr"));
    QCOMPARE(QByteArray(record.constData() + 100), QByteArray("7391"));
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));

    const QByteArray config = configurationText();
    QVERIFY2(config.contains("<language>fr</language>"), config);
    QVERIFY2(config.contains("<recordingPath>" + data->path().toUtf8() + "/</recordingPath>"), config);
    QVERIFY2(config.contains("<selected_camera>Virtual Camera</selected_camera>"), config);
}

void FirstRunTest::secondStartShowsMenu()
{
    firstRunThenQuit();

    startWindow();
    QCOMPARE(ClientSessionInfo::actualForm, window->screenFor(FormMenu));
    QVERIFY(window->screenFor(FormMenu)->isEnabled());
    QVERIFY(!ClientSessionInfo::dialogForm->isVisible());
    QVERIFY(ClientSessionInfo::actualUser());
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
    QCOMPARE(ClientSessionInfo::langEnum, LangFrench);
    QCOMPARE(ClientSessionInfo::selectedCamera, QStringLiteral("Virtual Camera"));
}

void FirstRunTest::configurationWithoutCameraForcesFirstRun()
{
    firstRunThenQuit();

    writeConfiguration("<application_params>\n <language>de</language>\n <recordingPath>"
        + data->path().toUtf8() + "/</recordingPath>\n</application_params>\n");
    startWindow();
    QVERIFY(shownDialog<LanguageSelectDialog>());
    // The damaged file was replaced by the default one before it was read;
    // the existing account stays on disk for the location chosen again.
    QVERIFY(configurationText().contains("<selected_camera>HD USB Camera</selected_camera>"));
    QFile account(data->filePath("Kavrin/Pemblar/Users/usr.usr"));
    QVERIFY(account.open(QIODevice::ReadWrite));
    QVERIFY(account.seek(308));
    const qint32 hour = 3600;
    account.write(reinterpret_cast<const char *>(&hour), sizeof hour);
    account.close();

    // Choosing the same location again finds the account and keeps it.
    walkChain(data->path());
    QTRY_VERIFY(!ClientSessionInfo::dialogForm->isVisible());
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    QCOMPARE(ClientSessionInfo::actualUser()->totalTrainingTime, hour);
    QVERIFY(account.open(QIODevice::ReadOnly));
    QCOMPARE(account.readAll().mid(308, 4), QByteArray(reinterpret_cast<const char *>(&hour), sizeof hour));
}

void FirstRunTest::minimiseAndRestoreDoNotStartAgain()
{
    startWindow();
    walkChain(data->path());
    QTRY_VERIFY(!ClientSessionInfo::dialogForm->isVisible());
    DialogForm *host = ClientSessionInfo::dialogForm;
    User *user = ClientSessionInfo::actualUser();

    window->showMinimized();
    QTest::qWait(50);
    window->showFullScreen();
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(ClientSessionInfo::dialogForm, host);
    QCOMPARE(ClientSessionInfo::actualUser(), user);
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    QVERIFY(!host->isVisible());
}

void FirstRunTest::unwritableLocationStaysOnDialog()
{
    QTemporaryDir scratch;
    const QString regularFile = scratch.filePath("plain-file");
    QFile file(regularFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    startWindow();
    TraineeSteps::chooseLanguage("pl_label");
    TraineeSteps::confirmCamera();
    QTRY_VERIFY(shownDialog<WriteLocationDialog>());
    auto *dialog = shownDialog<WriteLocationDialog>();
    auto *error = dialog->findChild<QLabel *>("errorLabel");
    QVERIFY(!error->isVisible());

    // Nothing can be written below a regular file, not even as root.
    dialog->findChild<QLabel *>("label_2")->setText(regularFile + "/data");
    QTest::mouseClick(dialog->findChild<QPushButton *>("nextBtn"), Qt::LeftButton);
    QVERIFY(error->isVisible());
    QVERIFY(!error->text().isEmpty());
    QCOMPARE(shownDialog<WriteLocationDialog>(), dialog);
    QVERIFY(ClientSessionInfo::users().isEmpty());

    TraineeSteps::chooseLocation(data->path());
    QTRY_VERIFY(!ClientSessionInfo::dialogForm->isVisible());
    QCOMPARE(ClientSessionInfo::users().size(), 1);
}

QTEST_MAIN(FirstRunTest)
#include "tst_firstrun.moc"
