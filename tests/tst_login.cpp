#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "core/shutdown.h"
#include "dialogs/decisiondialog.h"
#include "dialogs/mylineedit.h"
#include "dialogs/userdialog.h"
#include "sessionfixture.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 15000;
// The account of the fresh installation, and a second one.
constexpr auto kOwnPin = "7391";
constexpr auto kOtherName = "anna";
constexpr auto kOtherPin = "2468";
constexpr auto kNewPin = "5555";
constexpr auto kIncorrectPin = "Incorrect PIN";
constexpr auto kUserAdded = "User added successfully.";
constexpr auto kUserExists = "Error. User with this name or PIN already exists.";
constexpr auto kPinsMustMatch = "PINs must be the same!";
const QColor kErrorRed(173, 64, 65);

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the widget, as drawn, shows a pixel of this colour: a style sheet
// rule would win over the label's palette and paint the text otherwise.
bool showsColour(QWidget *widget, const QColor &colour)
{
    const QImage picture = widget->grab().toImage();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 8 && qAbs(pixel.green() - colour.green()) < 8
                && qAbs(pixel.blue() - colour.blue()) < 8)
                return true;
        }
    }
    return false;
}

} // namespace

// The login screen and the user dialog in the real main window, over real
// account files in a temporary data location with two accounts, "usr" (the
// current one) and "anna". The login screen is reached directly: no path
// from start-up leads to it.
class LoginTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loginByPin_data();
    void loginByPin();
    void guestTrainsWithoutAccount();
    void createAccount_data();
    void createAccount();
    void reopenedDialogStartsClean();
    void editPin_data();
    void editPin();
    void dialogPinFieldsTakeFourDigits_data();
    void dialogPinFieldsTakeFourDigits();
    void shutDownAsksFirst();
    void accountInUseElsewhereIsRefused();

private:
    void openLogin();
    // Presses the button and returns the user dialog it opens, or null.
    UserDialog *openUserDialog(const QWidget *screen, const char *button);
    void fill(UserDialog *dialog, const QString &name, const QString &pin1, const QString &pin2);
    QPushButton *loginButton(const char *name) const;
    QString usersFolder() const;
    QStringList accountFiles() const;

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<MainWindow> window;
    QWidget *login = nullptr;
    MyLineEdit *pinLine = nullptr;
    QLabel *message = nullptr;
    // The host's relay signals, by name, in the order they came.
    QStringList heard;
};

void LoginTest::init()
{
    startOnFreshInstallation(data, window);
    QVERIFY(ClientSessionInfo::accounts.add(kOtherName, kOtherPin));
    login = window->screenFor(FormLogin);
    pinLine = login->findChild<MyLineEdit *>("loginLine");
    message = login->findChild<QLabel *>("error_label");

    heard.clear();
    DialogForm *host = ClientSessionInfo::dialogHost();
    auto record = [this, host](auto signal, const char *name) {
        connect(host, signal, this, [this, name] { heard << QString::fromLatin1(name); });
    };
    record(&DialogForm::hideDialog, "hideDialog");
    record(&DialogForm::rightButtonSignalUserDialog, "rightButtonSignalUserDialog");
    record(&DialogForm::leftButtonSignalUserDialog, "leftButtonSignalUserDialog");
}

void LoginTest::cleanup()
{
    window.reset();
    resetSession();
}

// The fade to the login screen is stepped through at once: its ticks are
// tst_mainwindow's.
void LoginTest::openLogin()
{
    window->ShowNextForm(login);
    const auto shown
        = [this] { return ClientSessionInfo::actualForm == login && window->lastEffect() == OpacityMax; };
    for (int tick = 0; tick < 100 && !shown(); ++tick)
        QMetaObject::invokeMethod(window.get(), "opacityLoop");
    QVERIFY(shown());
}

UserDialog *LoginTest::openUserDialog(const QWidget *screen, const char *button)
{
    screen->findChild<QPushButton *>(button)->click();
    return shownDialog<UserDialog>();
}

void LoginTest::fill(UserDialog *dialog, const QString &name, const QString &pin1, const QString &pin2)
{
    auto *nameField = dialog->findChild<MyLineEdit *>("login");
    if (nameField->isEnabled())
        QTest::keyClicks(nameField, name);
    QTest::keyClicks(dialog->findChild<MyLineEdit *>("pin1"), pin1);
    QTest::keyClicks(dialog->findChild<MyLineEdit *>("pin2"), pin2);
}

QPushButton *LoginTest::loginButton(const char *name) const
{
    return login->findChild<QPushButton *>(name);
}

QString LoginTest::usersFolder() const
{
    return data->filePath(QStringLiteral("Kavrin/Pemblar/Users"));
}

QStringList LoginTest::accountFiles() const
{
    // The lock of the account in use lies beside them.
    return QDir(usersFolder()).entryList({ "*.usr", ".*" }, QDir::Files | QDir::Hidden, QDir::Name);
}

void LoginTest::loginByPin_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReturnKey");
    // The account logged in, or empty when the PIN is refused.
    QTest::addColumn<QString>("account");

    // The field keeps the digits only, as no keypad types the rest.
    QTest::newRow("own PIN among signs and separators") << "+7,3.9 1-" << false << "usr";
    QTest::newRow("other account among letters, Return") << "2a4B6x8" << true << kOtherName;
    QTest::newRow("wrong PIN, Return") << "1111" << true << "";
}

void LoginTest::loginByPin()
{
    QFETCH(QString, typed);
    QFETCH(bool, byReturnKey);
    QFETCH(QString, account);
    openLogin();
    // A guest session before: a login ends it, a refusal leaves it.
    ClientSessionInfo::OfflineMode = true;
    QSignalSpy fades(window.get(), &MainWindow::GraphicsEffect);
    QTest::keyClicks(pinLine, typed);
    if (byReturnKey)
        QTest::keyClick(pinLine, Qt::Key_Return);
    else
        QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);

    if (account.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(message->text(), QString::fromLatin1(kIncorrectPin), kTimeoutMs);
        QCOMPARE(pinLine->text(), typed);
        QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
        QVERIFY(ClientSessionInfo::OfflineMode);
        // A shortcut presses the button and lets it go a moment later: no
        // screen change follows that either.
        QVERIFY(!fades.wait(300));
        QCOMPARE(ClientSessionInfo::actualForm, login);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), kTimeoutMs);
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), account);
    QVERIFY(!ClientSessionInfo::OfflineMode);
}

void LoginTest::guestTrainsWithoutAccount()
{
    openLogin();
    QTest::keyClicks(pinLine, "12");
    QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);
    QCOMPARE(message->text(), QString::fromLatin1(kIncorrectPin));
    // The tap's pressed look lasts a moment, which the screen lives through.
    QVERIFY(loginButton("loginButton")->property("touched").toBool());
    QTRY_VERIFY(!loginButton("loginButton")->property("touched").toBool());

    QTest::mouseClick(loginButton("offlineButton"), Qt::LeftButton);
    QWidget *training = window->screenFor(FormPreview);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, training, kTimeoutMs);
    QVERIFY(ClientSessionInfo::OfflineMode);

    // A guest leaves the training screen for the login screen, which comes
    // back without the old PIN and message.
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
    QTest::mouseClick(training->findChild<QPushButton *>("returnBtn"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, login, kTimeoutMs);
    QVERIFY(pinLine->text().isEmpty());
    QVERIFY(message->text().isEmpty());
}

void LoginTest::createAccount_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pin1");
    QTest::addColumn<QString>("pin2");
    // The dialog's refusal, or empty when it passes the input on.
    QTest::addColumn<QString>("refusal");
    // The login screen's message after the account store's answer.
    QTest::addColumn<QString>("result");

    const auto row = [](const char *tag, const char *name, const char *pin, const char *confirmation,
                         const char *refusal, const char *result) {
        QTest::newRow(tag) << QString(name) << QString(pin) << QString(confirmation) << QString(refusal)
                           << QString(result);
    };
    row("new account", "Bert", "2580", "2580", "", kUserAdded);
    row("name taken, other case", "USR", "1234", "1234", "", kUserExists);
    // PINs that differ are reopenedDialogStartsClean's.
    row("three digits", "Dora", "123", "123", kPinsMustMatch, "");
    row("empty name", "", "1234", "1234", "Please enter a user name.", "");
    // The account store's rules for names, as the dialog words them.
    row("slash", "a/b", "1234", "1234",
        "This name cannot be used. Please choose a shorter name without / or \\ that does not start with a "
        "dot.",
        "");
}

void LoginTest::createAccount()
{
    QFETCH(QString, name);
    QFETCH(QString, pin1);
    QFETCH(QString, pin2);
    QFETCH(QString, refusal);
    QFETCH(QString, result);
    openLogin();
    QTest::keyClicks(pinLine, "12");
    const QStringList filesBefore = accountFiles();

    UserDialog *dialog = openUserDialog(login, "createAccBtn");
    QVERIFY(dialog);
    fill(dialog, name, pin1, pin2);
    QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);

    if (!refusal.isEmpty()) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>("errorLabel")->text(), refusal);
        QVERIFY(heard.isEmpty());
        QVERIFY(message->text().isEmpty());
        QCOMPARE(accountFiles(), filesBefore);
        return;
    }
    // The host closes before the answer reaches the login screen.
    QCOMPARE(heard, (QStringList { "hideDialog", "rightButtonSignalUserDialog" }));
    QVERIFY(!ClientSessionInfo::dialogHost()->isVisible());
    QCOMPARE(message->text(), result);
    QCOMPARE(pinLine->text(), QStringLiteral("12"));
    const bool created = result == QLatin1String(kUserAdded);
    QVERIFY(showsColour(message, created ? QColor(Qt::green) : kErrorRed));
    if (!created) {
        QCOMPARE(accountFiles(), filesBefore);
        return;
    }

    // The record's bytes are tst_accountstore's. Not logged in: the new
    // account's PIN leads to the menu.
    QCOMPARE(accountFiles(), (QStringList { name + ".usr", "anna.usr", "usr.usr" }));
    QVERIFY(QFileInfo(data->filePath("Kavrin/Pemblar/Records/" + name)).isDir());
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
    pinLine->clear();
    QTest::keyClicks(pinLine, pin1);
    QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), kTimeoutMs);
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), name);
}

void LoginTest::reopenedDialogStartsClean()
{
    openLogin();
    UserDialog *dialog = openUserDialog(login, "createAccBtn");
    QVERIFY(dialog);
    fill(dialog, "Bert", "2580", "2581");
    QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
    QCOMPARE(dialog->findChild<QLabel *>("errorLabel")->text(), QString::fromLatin1(kPinsMustMatch));
    QTest::mouseClick(dialog->findChild<QPushButton *>("cancelBtn"), Qt::LeftButton);
    QCOMPARE(heard, (QStringList { "hideDialog", "leftButtonSignalUserDialog" }));
    QVERIFY(!ClientSessionInfo::dialogHost()->isVisible());
    QVERIFY(message->text().isEmpty());

    QCOMPARE(openUserDialog(login, "createAccBtn"), dialog);
    for (const char *name : { "login", "pin1", "pin2" })
        QVERIFY2(dialog->findChild<MyLineEdit *>(name)->text().isEmpty(), name);
    QVERIFY(dialog->findChild<QLabel *>("errorLabel")->text().isEmpty());

    // The cancelled use left no connection behind: the account is created
    // once, and the message is the success of that one creation.
    fill(dialog, "Bert", "2580", "2580");
    QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
    QCOMPARE(message->text(), QString::fromLatin1(kUserAdded));
    QCOMPARE(ClientSessionInfo::users().size(), 3);
    QCOMPARE(accountFiles(), (QStringList { "Bert.usr", "anna.usr", "usr.usr" }));

    // Nor does the answered one.
    emit ClientSessionInfo::dialogHost()->rightButtonSignalUserDialog("Eve", "1357");
    QCOMPARE(accountFiles(), (QStringList { "Bert.usr", "anna.usr", "usr.usr" }));
    QCOMPARE(message->text(), QString::fromLatin1(kUserAdded));
}

void LoginTest::editPin_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("newPin");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("new PIN") << kOwnPin << kNewPin << true;
    QTest::newRow("same as current") << kOwnPin << kOwnPin << false;
    QTest::newRow("another account's") << kOwnPin << kOtherPin << false;
    QTest::newRow("wrong current") << QString("1111") << kNewPin << false;
    QTest::newRow("three digits") << kOwnPin << "555" << false;
}

void LoginTest::editPin()
{
    QFETCH(QString, current);
    QFETCH(QString, newPin);
    QFETCH(bool, accepted);
    const QString file = QDir(usersFolder()).filePath("usr.usr");
    const QByteArray before = contentsOf(file);
    const QStringList filesBefore = accountFiles();

    // The menu's account settings button stays hidden; its slot works.
    UserDialog *dialog = openUserDialog(window->screenFor(FormMenu), "accSettingsBtn");
    QVERIFY(dialog);
    auto *name = dialog->findChild<MyLineEdit *>("login");
    QCOMPARE(name->text(), QStringLiteral("usr"));
    QVERIFY(!name->isEnabled());
    fill(dialog, QString(), current, newPin);
    QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);

    if (!accepted) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>("errorLabel")->text(), QString::fromLatin1(kIncorrectPin));
        QVERIFY(heard.isEmpty());
        QCOMPARE(contentsOf(file), before);
        return;
    }
    QCOMPARE(heard, (QStringList { "hideDialog", "rightButtonSignalUserDialog" }));
    QVERIFY(!ClientSessionInfo::dialogHost()->isVisible());
    // The same file, with only the PIN changed.
    QCOMPARE(accountFiles(), filesBefore);
    QByteArray expected = before;
    expected.replace(100, 5, newPin.toUtf8() + '\0');
    QCOMPARE(contentsOf(file), expected);
    QCOMPARE(ClientSessionInfo::actualUser()->pinText(), newPin);

    // The answer ended the menu's connections.
    emit ClientSessionInfo::dialogHost()->rightButtonSignalUserDialog("usr", "9999");
    QCOMPARE(contentsOf(file), expected);
}

void LoginTest::dialogPinFieldsTakeFourDigits_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("current PIN") << "pin1";
    QTest::newRow("new PIN") << "pin2";
}

// The login screen's field is typed into by loginByPin.
void LoginTest::dialogPinFieldsTakeFourDigits()
{
    QFETCH(QString, field);
    UserDialog *dialog = openUserDialog(window->screenFor(FormMenu), "accSettingsBtn");
    QVERIFY(dialog);
    auto *edit = dialog->findChild<MyLineEdit *>(field);
    QTest::keyClicks(edit, "+0,0.1_2a34");
    QCOMPARE(edit->text(), QStringLiteral("0012"));
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
}

void LoginTest::shutDownAsksFirst()
{
    // The shut-down command is replaced by a script of the same name that
    // writes a line for each start, found first on the search path.
    QTemporaryDir bin;
    const QString program = QProcess::splitCommand(shutDownCommand()).first();
    const QString marker = bin.filePath("started");
    QFile script(bin.filePath(program));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started >> '" + marker.toUtf8() + "'\n");
    script.close();
    QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ':' + path);
    const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });
    QCOMPARE(QStandardPaths::findExecutable(program), script.fileName());

    openLogin();
    loginButton("shutDownBtn")->click();
    auto *question = shownDialog<DecisionDialog>();
    QVERIFY(question);
    QCOMPARE(question->findChild<QLabel *>("text")->text(),
        QStringLiteral("Are you sure you want to shut down PC/station?"));
    QTest::mouseClick(question->findChild<QPushButton *>("leftBtn"), Qt::LeftButton);
    QVERIFY(!ClientSessionInfo::dialogHost()->isVisible());

    // Asked again after NO, YES starts the command once.
    loginButton("shutDownBtn")->click();
    QVERIFY(shownDialog<DecisionDialog>());
    QTest::mouseClick(question->findChild<QPushButton *>("rightBtn"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(contentsOf(marker), QByteArray("started\n"), kTimeoutMs);
    QCOMPARE(ClientSessionInfo::actualForm, login);
}

void LoginTest::accountInUseElsewhereIsRefused()
{
    // Another trainer sharing the data location trains on the account.
    QFile lock(QDir(usersFolder()).filePath(QStringLiteral("%1.lock").arg(QLatin1String(kOtherName))));
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("4242\nKavrinMac\ntrainer-2\nx\ny\n") > 0);
    lock.close();
    openLogin();
    QTest::keyClicks(pinLine, kOtherPin);
    QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);
    QCOMPARE(message->text(), QStringLiteral("This account is in use on trainer-2."));
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
    QCOMPARE(ClientSessionInfo::actualForm, login);
}

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
