// Drives the real application through its first run and its dialogs on a
// virtual display and saves a picture of the whole screen at each step:
//     make screenshots      (pictures in build/screenshots/)
// Run it on fresh folders (scripts/screenshots does), since it walks the
// first run.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "camera/cameraselectdialog.h"
#include "camera/previewform.h"
#include "camera/settingsdialog.h"
#include "camera/timerwidget.h"
#include "camera/timingsettingsdialog.h"
#include "camera/videowidget.h"
#include "catalogue/choosetrainingform.h"
#include "catalogue/scenarioframe.h"
#include "core/mainwindow.h"
#include "dialogs/decisiondialog.h"
#include "dialogs/languageselectdialog.h"
#include "dialogs/trainingresultsdialog.h"
#include "dialogs/userdialog.h"
#include "dialogs/writelocationdialog.h"
#include "history/compareview.h"
#include "history/learningcurve.h"
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "sessionfixture.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"
#include "storage/trainingrecords.h"

namespace {

// Long enough for the blur (600 ms) and the fades (550 ms) to end and the
// camera picture to arrive.
constexpr int kSettleMs = 1500;

class Photographer
{
public:
    explicit Photographer(const QString &folder)
        : folder(folder)
    {
        QDir().mkpath(folder);
    }

    void take(const QString &name)
    {
        QTest::qWait(kSettleMs);
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1-%2.png").arg(++count, 2, 10, QLatin1Char('0')).arg(name));
        QGuiApplication::primaryScreen()->grabWindow(0).save(path);
        std::printf("%s\n", qPrintable(path));
    }

private:
    QString folder;
    int count = 0;
};

// Copies of the recorded training on earlier days, with measurements that
// grow worse the further back they go: a learning curve to look at.
void addEarlierTrainings(const QString &video, int count)
{
    const QDateTime recorded = QFileInfo(video).lastModified();
    const StoredMetrics measured = readTrainingMetrics(video);
    const StoredPaths paths = readTrainingPaths(video);
    for (int day = 1; day <= count; ++day) {
        const QDateTime start = recorded.addDays(-day).addSecs(-day * 1800);
        const QString copy
            = trainingVideoPath(QFileInfo(video).absolutePath() + QLatin1Char('/'), trainingStamp(start));
        QFile::copy(video, copy);
        QFile::copy(trainingPicturePath(video), trainingPicturePath(copy));
        QFile file(copy);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(start, QFileDevice::FileModificationTime);
        if (measured.status != StoredStatus::Present)
            continue;
        TrainingMeasurement earlier { measured.metrics, paths.paths };
        for (InstrumentMetrics &instrument : earlier.metrics.instruments) {
            instrument.pathLength *= 1 + 0.3 * day;
            instrument.idleSeconds *= 1 + 0.5 * day;
            instrument.movementUnits += 3 * day;
        }
        writeTrainingMeasurement(copy, earlier);
    }
}

void click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Photographer camera(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    removeConfiguration();

    MainWindow window;
    window.showFullScreen();
    camera.take(QStringLiteral("first-run-language"));
    click(shownDialog<LanguageSelectDialog>(), "nextBtn");
    camera.take(QStringLiteral("first-run-camera"));
    click(shownDialog<CameraSelectDialog>(), "nextBtn");
    camera.take(QStringLiteral("first-run-location"));
    click(shownDialog<WriteLocationDialog>(), "nextBtn");
    camera.take(QStringLiteral("menu"));

    click(window.screenFor(FormMenu), "camSettingsBtn");
    camera.take(QStringLiteral("settings"));
    click(shownDialog<SettingsDialog>(), "bandCheckButton");
    camera.take(QStringLiteral("band-check"));
    QMetaObject::invokeMethod(&window, "HideDialogForm");
    QMetaObject::invokeMethod(&window, "ShowDialogForm", Q_ARG(DialogOpt, DialogFinishTraining));
    camera.take(QStringLiteral("decision"));
    QMetaObject::invokeMethod(&window, "HideDialogForm");
    QTest::qWait(kSettleMs);
    click(window.screenFor(FormMenu), "trainingButton");
    QWidget *training = window.screenFor(FormPreview);
    QTest::qWait(kSettleMs);
    click(training, "record");
    click(training, "sound");
    camera.take(QStringLiteral("training"));

    // Peg transfer chosen in the exercise chooser: the training screen names
    // it, and the results show its targets.
    click(training, "exerciseBtn");
    QTest::qWait(kSettleMs);
    auto *chooser = qobject_cast<ChooseTrainingForm *>(window.screenFor(FormChooseTraining));
    if (!chooser->exerciseRows().isEmpty())
        QTest::mouseClick(chooser->exerciseRows().first(), Qt::LeftButton);
    camera.take(QStringLiteral("exercise-chooser"));
    click(chooser, "chooseButton");
    QTest::qWait(kSettleMs);
    camera.take(QStringLiteral("training-exercise"));

    click(training, "settingsBtn");
    click(shownDialog<TimingSettingsDialog>(), "timer");
    camera.take(QStringLiteral("timing-dialog"));
    click(shownDialog<TimingSettingsDialog>(), "pushButton");
    QTest::qWait(kSettleMs);

    click(training, "recordBtn");
    QTest::qWait(kSettleMs);
    click(shownDialog<DecisionDialog>(), "rightBtn");
    // The record mark blinks once a second; it has just gone dark, so it is
    // lit when the picture is taken after the settling time.
    auto *preview = qobject_cast<PreviewForm *>(training);
    QWidget *mark = preview->timeDisplay()->findChild<QWidget *>("rec");
    if (!QTest::qWaitFor([mark] { return mark->isVisible(); })
        || !QTest::qWaitFor([mark] { return !mark->isVisible(); }))
        std::fprintf(stderr, "the record mark never blinked\n");
    camera.take(QStringLiteral("training-full-screen"));
    QTest::mousePress(preview->trainingViewfinder(), Qt::LeftButton);
    click(shownDialog<DecisionDialog>(), "rightBtn");
    QTest::qWait(kSettleMs);
    // The tracked figures open over the training screen once it is back.
    if (!QTest::qWaitFor([] { return shownDialog<TrainingResultsDialog>() != nullptr; }))
        std::fprintf(stderr, "no training results\n");
    QTest::qWait(kSettleMs);
    camera.take(QStringLiteral("training-results"));
    if (auto *results = shownDialog<TrainingResultsDialog>())
        click(results, "pushButton");
    QTest::qWait(kSettleMs);

    // A history of several trainings: the one just recorded and copies of it
    // under the names of earlier days.
    addEarlierTrainings(preview->currentVideoPath(), 5);
    QTest::qWait(kSettleMs);
    click(training, "returnBtn");
    QTest::qWait(kSettleMs);
    click(window.screenFor(FormMenu), "resultsButton");
    QTest::qWait(kSettleMs);
    auto *history = qobject_cast<ResultsListForm *>(window.screenFor(FormResultsList));
    const QVector<SimpleListItem *> &rows = history->rows();
    rows.at(1)->on_btn_toggled(true);
    rows.at(2)->on_btn_toggled(true);
    QTest::mouseClick(rows.at(3), Qt::LeftButton);
    camera.take(QStringLiteral("history"));
    // The peg transfer's trainings only, and the learning curve of their
    // idle time with the exercise's targets.
    history->findChild<QComboBox *>(QStringLiteral("exerciseFilter"))->setCurrentIndex(2);
    history->findChild<QComboBox *>(QStringLiteral("curveFigure"))->setCurrentIndex(LearningCurve::IdleTime);
    QTest::qWait(kSettleMs);
    camera.take(QStringLiteral("learning-curve"));
    click(history, "playBtn");
    // Two and a half seconds in, by a tap on the speed strip, so that the
    // tips' trails show.
    QTest::qWait(kSettleMs);
    if (auto *strip = window.screenFor(FormVideoPlayer)->findChild<QWidget *>(QStringLiteral("speedStrip")))
        QTest::mouseClick(
            strip, Qt::LeftButton, Qt::NoModifier, QPoint(strip->width() * 3 / 4, strip->height() / 2));
    QTest::qWait(kSettleMs);
    camera.take(QStringLiteral("player"));

    // The login screen, which no button leads to, with a refused PIN, and
    // the user dialog refusing a name.
    QWidget *login = window.screenFor(FormLogin);
    window.ShowNextForm(login);
    QTest::qWait(kSettleMs);
    QTest::keyClicks(login->findChild<QLineEdit *>(QStringLiteral("loginLine")), QStringLiteral("1234"));
    click(login, "loginButton");
    camera.take(QStringLiteral("login"));
    click(login, "createAccBtn");
    auto *account = shownDialog<UserDialog>();
    QTest::keyClicks(account->findChild<QLineEdit *>(QStringLiteral("login")), QStringLiteral("Anna/B"));
    QTest::keyClicks(account->findChild<QLineEdit *>(QStringLiteral("pin1")), QStringLiteral("2580"));
    QTest::keyClicks(account->findChild<QLineEdit *>(QStringLiteral("pin2")), QStringLiteral("2580"));
    click(account, "okBtn");
    camera.take(QStringLiteral("user-dialog"));

    // Back in the history, all trainings listed: the newest and the oldest
    // compared, played a second and a half in with their trails.
    QMetaObject::invokeMethod(&window, "HideDialogForm");
    window.ShowNextForm(history);
    QTest::qWait(kSettleMs);
    history->findChild<QComboBox *>(QStringLiteral("exerciseFilter"))->setCurrentIndex(0);
    QTest::qWait(kSettleMs);
    history->rows().first()->on_btn_toggled(true);
    history->rows().last()->on_btn_toggled(true);
    click(history, "compareBtn");
    QTest::qWait(kSettleMs);
    auto *compare = history->findChild<CompareView *>();
    click(compare, "playBtn");
    QTest::qWait(1500);
    click(compare, "playBtn");
    camera.take(QStringLiteral("compare"));
    return 0;
}
