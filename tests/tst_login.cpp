#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
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
// The account prepareInstallation makes, and a second one.
constexpr auto kOwnPin = "7391";
constexpr auto kOtherName = "anna";
constexpr auto kOtherPin = "2468";
constexpr auto kIncorrectPin = "Incorrect PIN";
constexpr auto kUserAdded = "User added successfully.";
constexpr auto kUserExists = "Error. User with this name or PIN already exists.";
constexpr auto kPinsMustMatch = "PINs must be the same!";
constexpr auto kEnterName = "Please enter a user name.";
constexpr auto kUnusableName = "This name cannot be used. Please choose a shorter name without / or \\ that "
                               "does not start with a dot.";
const QColor kErrorRed(173, 64, 65);
const QColor kAddedGreen(Qt::green);

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The NUL-terminated text of an account file's field.
QByteArray field(const QByteArray &record, int offset, int size)
{
    const QByteArray bytes = record.mid(offset, size);
    return bytes.left(bytes.indexOf('\0'));
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
// current one) and "anna". The screens are reached directly: no path from
// start-up leads to them.
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
    void pinFieldsTakeFourDigits_data();
    void pinFieldsTakeFourDigits();
    void shutDownAsksFirst();
    void minimiseAndClose();

private:
    void openLogin();
    // Presses the button and returns the user dialog it opens, or null.
    UserDialog *openUserDialog(QPushButton *button);
    void fill(UserDialog *dialog, const QString &name, const QString &pin1, const QString &pin2);
    QPushButton *loginButton(const char *name) const;
    QString usersFolder() const;
    QStringList accountFiles() const;

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<MainWindow> window;
    QWidget *login = nullptr;
    // The host's relay signals, by name, in the order they came.
    QStringList heard;
};

void LoginTest::init()
{
    resetSession();
    ClientSessionInfo::OfflineMode = false;
    data = std::make_unique<QTemporaryDir>();
    prepareInstallation(data->path());
    AccountStore other;
    other.setLocation(DataLocation(data->path() + QLatin1Char('/')));
    other.load();
    QVERIFY(other.add(kOtherName, kOtherPin));

    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    login = window->screenFor(FormLogin);
    QVERIFY(login);
    const QVector<User> &users = ClientSessionInfo::users();
    QCOMPARE(users.size(), 2);
    ClientSessionInfo::accounts.setCurrent(users.at(0).nameText() == QLatin1String("usr") ? 0 : 1);

    heard.clear();
    DialogForm *host = ClientSessionInfo::dialogForm;
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
    ClientSessionInfo::OfflineMode = false;
}

void LoginTest::openLogin()
{
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
    window->ShowNextForm(login);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, login, kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
}

UserDialog *LoginTest::openUserDialog(QPushButton *button)
{
    button->click();
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
    return QDir(usersFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void LoginTest::loginByPin_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("byReturnKey");
    // The account logged in, or empty when the PIN is refused.
    QTest::addColumn<QString>("account");

    QTest::newRow("own PIN") << kOwnPin << false << "usr";
    QTest::newRow("other account") << kOtherPin << false << kOtherName;
    QTest::newRow("other account, Return") << kOtherPin << true << kOtherName;
    QTest::newRow("wrong PIN") << "1111" << false << "";
    QTest::newRow("wrong PIN, Return") << "1111" << true << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("empty, Return") << "" << true << "";
}

void LoginTest::loginByPin()
{
    QFETCH(QString, pin);
    QFETCH(bool, byReturnKey);
    QFETCH(QString, account);
    openLogin();
    // A guest session before: a login ends it, a refusal leaves it.
    ClientSessionInfo::OfflineMode = true;
    auto *field = login->findChild<MyLineEdit *>("loginLine");
    auto *message = login->findChild<QLabel *>("error_label");
    QTest::keyClicks(field, pin);
    if (byReturnKey)
        QTest::keyClick(field, Qt::Key_Return);
    else
        QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);

    if (account.isEmpty()) {
        // A shortcut presses the button and lets it go a moment later.
        QTRY_COMPARE_WITH_TIMEOUT(message->text(), QString::fromLatin1(kIncorrectPin), kTimeoutMs);
        QCOMPARE(message->palette().color(QPalette::WindowText), kErrorRed);
        QVERIFY(showsColour(message, kErrorRed));
        QCOMPARE(field->text(), pin);
        QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
        QVERIFY(ClientSessionInfo::OfflineMode);
        QTest::qWait(300);
        QCOMPARE(ClientSessionInfo::actualForm, login);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), kTimeoutMs);
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), account);
    QVERIFY(!ClientSessionInfo::OfflineMode);
    QCOMPARE(window->currentFormValue(), FormMenu);
}

void LoginTest::guestTrainsWithoutAccount()
{
    openLogin();
    auto *field = login->findChild<MyLineEdit *>("loginLine");
    auto *message = login->findChild<QLabel *>("error_label");
    QTest::keyClicks(field, "12");
    QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);
    QCOMPARE(message->text(), QString::fromLatin1(kIncorrectPin));

    QTest::mouseClick(loginButton("offlineButton"), Qt::LeftButton);
    QWidget *training = window->screenFor(FormPreview);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, training, kTimeoutMs);
    QVERIFY(ClientSessionInfo::OfflineMode);
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));

    // A guest leaves the training screen for the login screen, which comes
    // back without the old PIN and message.
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
    QTest::mouseClick(training->findChild<QPushButton *>("returnBtn"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, login, kTimeoutMs);
    QVERIFY(field->text().isEmpty());
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

    QTest::newRow("new account") << "Bert"
                                 << "2580"
                                 << "2580"
                                 << "" << kUserAdded;
    QTest::newRow("name taken, other case") << "USR"
                                            << "1234"
                                            << "1234"
                                            << "" << kUserExists;
    QTest::newRow("PIN taken") << "Carl" << kOtherPin << kOtherPin << "" << kUserExists;
    QTest::newRow("PINs differ") << "Dora"
                                 << "1234"
                                 << "1235" << kPinsMustMatch << "";
    QTest::newRow("three digits") << "Dora"
                                  << "123"
                                  << "123" << kPinsMustMatch << "";
    QTest::newRow("empty name") << ""
                                << "1234"
                                << "1234" << kEnterName << "";
    QTest::newRow("slash") << "a/b"
                           << "1234"
                           << "1234" << kUnusableName << "";
    QTest::newRow("backslash") << "a\\b"
                               << "1234"
                               << "1234" << kUnusableName << "";
    QTest::newRow("leading dot") << ".dora"
                                 << "1234"
                                 << "1234" << kUnusableName << "";
    QTest::newRow("100 bytes") << QString(100, QLatin1Char('n')) << "1234"
                               << "1234" << kUnusableName << "";
}

void LoginTest::createAccount()
{
    QFETCH(QString, name);
    QFETCH(QString, pin1);
    QFETCH(QString, pin2);
    QFETCH(QString, refusal);
    QFETCH(QString, result);
    openLogin();
    auto *pinField = login->findChild<MyLineEdit *>("loginLine");
    auto *message = login->findChild<QLabel *>("error_label");
    QTest::keyClicks(pinField, "12");
    const QStringList filesBefore = accountFiles();

    UserDialog *dialog = openUserDialog(loginButton("createAccBtn"));
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QLabel *>("title")->text(), QStringLiteral("CREATE ACCOUNT"));
    QCOMPARE(dialog->findChild<QLabel *>("username")->text(), QStringLiteral("Username:"));
    QCOMPARE(dialog->findChild<QLabel *>("pin1label")->text(), QStringLiteral("PIN:"));
    QCOMPARE(dialog->findChild<QLabel *>("pin2label")->text(), QStringLiteral("Confirm PIN:"));
    QVERIFY(dialog->findChild<MyLineEdit *>("login")->isEnabled());
    QCOMPARE(ClientSessionInfo::dialogForm->size(), QSize(700, 500));
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
    QVERIFY(!ClientSessionInfo::dialogForm->isVisible());
    QCOMPARE(message->text(), result);
    QCOMPARE(pinField->text(), QStringLiteral("12"));
    const bool created = result == QLatin1String(kUserAdded);
    const QColor colour = created ? kAddedGreen : kErrorRed;
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        QCOMPARE(message->palette().color(group, QPalette::WindowText), colour);
    QVERIFY(showsColour(message, colour));
    if (!created) {
        QCOMPARE(accountFiles(), filesBefore);
        return;
    }

    QCOMPARE(accountFiles(), (QStringList { name + ".usr", "anna.usr", "usr.usr" }));
    const QByteArray record = contentsOf(QDir(usersFolder()).filePath(name + ".usr"));
    QCOMPARE(record.size(), 340);
    QCOMPARE(field(record, 0, 100), name.toUtf8());
    QCOMPARE(field(record, 100, 5), pin1.toUtf8());
    const QString recordings = data->filePath("Kavrin/Pemblar/Records/" + name);
    QCOMPARE(QString::fromUtf8(field(record, 105, 203)), recordings + '/');
    QVERIFY(QFileInfo(recordings).isDir());
    // Not logged in: the new account's PIN leads to the menu.
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
    pinField->clear();
    QTest::keyClicks(pinField, pin1);
    QTest::mouseClick(loginButton("loginButton"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), kTimeoutMs);
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), name);
}

void LoginTest::reopenedDialogStartsClean()
{
    openLogin();
    auto *message = login->findChild<QLabel *>("error_label");
    UserDialog *dialog = openUserDialog(loginButton("createAccBtn"));
    QVERIFY(dialog);
    fill(dialog, "Bert", "1", "2");
    QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
    QCOMPARE(dialog->findChild<QLabel *>("errorLabel")->text(), QString::fromLatin1(kPinsMustMatch));
    QTest::mouseClick(dialog->findChild<QPushButton *>("cancelBtn"), Qt::LeftButton);
    QCOMPARE(heard, (QStringList { "hideDialog", "leftButtonSignalUserDialog" }));
    QVERIFY(!ClientSessionInfo::dialogForm->isVisible());
    QVERIFY(message->text().isEmpty());

    QCOMPARE(openUserDialog(loginButton("createAccBtn")), dialog);
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
    emit ClientSessionInfo::dialogForm->rightButtonSignalUserDialog("Eve", "1357");
    QCOMPARE(accountFiles(), (QStringList { "Bert.usr", "anna.usr", "usr.usr" }));
    QCOMPARE(message->text(), QString::fromLatin1(kUserAdded));
}

void LoginTest::editPin_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("newPin");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("new PIN") << kOwnPin << "5555" << true;
    QTest::newRow("same as current") << kOwnPin << kOwnPin << false;
    QTest::newRow("another account's") << kOwnPin << kOtherPin << false;
    QTest::newRow("wrong current") << "1111"
                                   << "5555" << false;
    QTest::newRow("empty current") << ""
                                   << "5555" << false;
    QTest::newRow("three digits") << kOwnPin << "555" << false;
}

void LoginTest::editPin()
{
    QFETCH(QString, current);
    QFETCH(QString, newPin);
    QFETCH(bool, accepted);
    QWidget *menu = window->screenFor(FormMenu);
    QCOMPARE(ClientSessionInfo::actualForm, menu);
    const QString file = QDir(usersFolder()).filePath("usr.usr");
    const QByteArray before = contentsOf(file);
    const QStringList filesBefore = accountFiles();

    // The menu's account settings button stays hidden; its slot works.
    auto *settings = menu->findChild<QPushButton *>("accSettingsBtn");
    QVERIFY(!settings->isVisible());
    UserDialog *dialog = openUserDialog(settings);
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QLabel *>("title")->text(), QStringLiteral("ACCOUNT SETTINGS"));
    QCOMPARE(dialog->findChild<QLabel *>("pin1label")->text(), QStringLiteral("Current PIN:"));
    QCOMPARE(dialog->findChild<QLabel *>("pin2label")->text(), QStringLiteral("New PIN:"));
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
    QVERIFY(!ClientSessionInfo::dialogForm->isVisible());
    // The same file, with only the PIN changed.
    QCOMPARE(accountFiles(), filesBefore);
    QByteArray expected = before;
    expected.replace(100, 5, newPin.toUtf8() + '\0');
    QCOMPARE(contentsOf(file), expected);
    QCOMPARE(ClientSessionInfo::actualUser()->pinText(), newPin);

    // The answer ended the menu's connections.
    emit ClientSessionInfo::dialogForm->rightButtonSignalUserDialog("usr", "9999");
    QCOMPARE(contentsOf(file), expected);
}

void LoginTest::pinFieldsTakeFourDigits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("login: letters, fifth digit") << "loginLine"
                                                 << "1a2B34x5"
                                                 << "1234";
    QTest::newRow("login: sign, separators") << "loginLine"
                                             << "+1,2.3 -"
                                             << "123";
    QTest::newRow("dialog PIN") << "pin1"
                                << "9z8y76543"
                                << "9876";
    QTest::newRow("dialog PIN again") << "pin2"
                                      << "+0,0.1_2"
                                      << "0012";
}

void LoginTest::pinFieldsTakeFourDigits()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    openLogin();
    QWidget *owner = login;
    if (field != QLatin1String("loginLine"))
        owner = openUserDialog(loginButton("createAccBtn"));
    QVERIFY(owner);
    auto *edit = owner->findChild<MyLineEdit *>(field);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
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
    QVERIFY(!ClientSessionInfo::dialogForm->isVisible());

    // Asked again after NO, YES starts the command once.
    loginButton("shutDownBtn")->click();
    QVERIFY(shownDialog<DecisionDialog>());
    QTest::mouseClick(question->findChild<QPushButton *>("rightBtn"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(contentsOf(marker), QByteArray("started\n"), kTimeoutMs);
    // A later YES to another screen's question is not taken for this one.
    emit ClientSessionInfo::dialogForm->rightButtonDecision();
    QTest::qWait(1000);
    QCOMPARE(contentsOf(marker), QByteArray("started\n"));
    QCOMPARE(ClientSessionInfo::actualForm, login);
}

void LoginTest::minimiseAndClose()
{
    window->showFullScreen();
    openLogin();
    QTest::mouseClick(loginButton("minimizeButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(window->windowState() & Qt::WindowMinimized, kTimeoutMs);

    // Closing ends the application's event loop, as it runs in KavrinMac.
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, loginButton("closeBtn"), &QPushButton::click);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(kTimeoutMs);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(quitting.count(), 1);
}

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
