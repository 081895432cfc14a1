#pragma once

#include <QCamera>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

#include "camera/camera.h"
#include "camera/cameraselectdialog.h"
#include "camera/previewform.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "dialogs/decisiondialog.h"
#include "dialogs/languageselectdialog.h"
#include "dialogs/trainingresultsdialog.h"
#include "dialogs/writelocationdialog.h"
#include "eventwait.h"
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "sessionfixture.h"

// What a trainee does with the real main window, step by step: each step a
// click on a named button, waiting for what it leads to. The waits are
// generous, since the tests share a small machine with other jobs.
//
// Each step is written once, as a try...() that waits bounded and returns
// whether the application answered, so that a child process without a test
// function can take it too; the test functions call the same step through
// its wrapper, which fails the test when it returns false.
namespace TraineeSteps {

constexpr int kStepTimeoutMs = 15000;

// Keeps the application running until done() holds or the step's time is up.
template <typename Condition> bool waitUntil(Condition done)
{
    return spinUntil(done, kStepTimeoutMs);
}

// The dialog of that type once the dialog host shows it, or nullptr.
template <typename Dialog> Dialog *awaitDialog()
{
    return waitUntil([] { return shownDialog<Dialog>() != nullptr; }) ? shownDialog<Dialog>() : nullptr;
}

// A click on the push button of that name inside parent.
inline bool tryClick(const QWidget *parent, const char *name)
{
    QPushButton *button = parent ? parent->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

inline void click(const QWidget *parent, const char *name)
{
    QVERIFY2(tryClick(parent, name), name);
}

// Answers the question shown in the dialog host with its button of that name.
inline bool tryAnswerQuestion(const char *button)
{
    return tryClick(awaitDialog<DecisionDialog>(), button);
}

inline void answerQuestion(const char *button)
{
    QVERIFY2(tryAnswerQuestion(button), button);
}

// The first run's language dialog, answered with the flag of that name.
inline void chooseLanguage(const char *flag)
{
    auto *dialog = awaitDialog<LanguageSelectDialog>();
    QVERIFY(dialog);
    click(dialog, flag);
    click(dialog, "nextBtn");
}

// The first run's camera dialog, confirmed once the virtual camera's live
// picture runs in it.
inline void confirmCamera()
{
    auto *dialog = awaitDialog<CameraSelectDialog>();
    QVERIFY(dialog);
    auto *list = dialog->findChild<QComboBox *>("comboBox");
    QTRY_COMPARE_WITH_TIMEOUT(list->currentText(), QStringLiteral("Virtual Camera"), kStepTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::IsPreviewingCamera(), kStepTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        ClientSessionInfo::camera->currentDevice()->status(), QCamera::ActiveStatus, kStepTimeoutMs);
    click(dialog, "nextBtn");
}

// The first run's location dialog, answered with folder through its picker.
inline void chooseLocation(const QString &folder)
{
    auto *dialog = awaitDialog<WriteLocationDialog>();
    QVERIFY(dialog);
    answerFolderPicker(folder);
    click(dialog, "dirBtn");
    QCOMPARE(dialog->findChild<QLabel *>("label_2")->text(), folder);
    click(dialog, "nextBtn");
}

// Waits until the screen of form is shown and its fade has ended.
inline bool tryWaitForScreen(MainWindow *window, FormEnum form)
{
    return waitUntil([window, form] {
        return ClientSessionInfo::actualForm == window->screenFor(form) && window->lastEffect() == OpacityMax;
    });
}

inline void waitForScreen(MainWindow *window, FormEnum form)
{
    QVERIFY2(tryWaitForScreen(window, form), qPrintable(QStringLiteral("screen %1 not reached").arg(form)));
}

// Presses the menu's button that leads to the screen of form, once the menu
// stands still, and waits for that screen.
inline bool tryOpenFromMenu(MainWindow *window, const char *button, FormEnum form)
{
    return waitUntil([window] { return window->lastEffect() == OpacityMax; })
        && tryClick(window->screenFor(FormMenu), button) && tryWaitForScreen(window, form);
}

inline void openFromMenu(MainWindow *window, const char *button, FormEnum form)
{
    QVERIFY2(tryOpenFromMenu(window, button, form), button);
}

// The dates of the history's rows as they stand, top to bottom.
inline QStringList shownTrainingDates(const ResultsListForm *history)
{
    QVector<SimpleListItem *> rows = history->rows();
    std::sort(rows.begin(), rows.end(), [](SimpleListItem *a, SimpleListItem *b) { return a->y() < b->y(); });
    QStringList dates;
    for (const SimpleListItem *row : qAsConst(rows))
        dates << row->findChildren<QLabel *>().at(1)->text();
    return dates;
}

// The training screen of a main window: trainings started and ended as a
// trainee does, and the screen awaited until it takes taps again, with the
// results of each measured training closed by their button.
class TrainingSteps
{
public:
    explicit TrainingSteps(MainWindow *window)
        : window(window)
        , preview(qobject_cast<PreviewForm *>(window->screenFor(FormPreview)))
        , measured(preview, &PreviewForm::trainingMeasured)
    {
    }

    PreviewForm *screen() const { return preview; }

    // From the menu.
    bool tryOpen() { return tryOpenFromMenu(window, "trainingButton", FormPreview) && tryWaitUntilBack(); }
    void open() { QVERIFY2(tryOpen(), "the training screen did not open"); }

    // START TRAINING and Yes: the picture goes full screen.
    bool tryStart()
    {
        return tryClick(preview, "recordBtn") && tryAnswerQuestion("rightBtn")
            && ClientSessionInfo::actualForm == preview->trainingViewfinder()
            && preview->trainingViewfinder()->isVisible() && !preview->isVisible();
    }
    void start() { QVERIFY2(tryStart(), "the training did not start on the full-screen picture"); }

    // A tap on the picture and Yes.
    bool tryFinishByTap()
    {
        VideoWidget *picture = preview->trainingViewfinder();
        // The dialog's blur must be gone before the picture takes taps again.
        if (!waitUntil([picture] { return picture->isEnabled(); }))
            return false;
        QTest::mousePress(picture, Qt::LeftButton);
        return tryAnswerQuestion("rightBtn");
    }
    void finishByTap() { QVERIFY2(tryFinishByTap(), "the training did not end by a tap"); }

    bool tryWaitUntilBack()
    {
        // A recorded training's figures open over the screen once measured.
        if (!tryWaitForScreen(window, FormPreview)
            || !waitUntil([this] { return !preview->awaitsResults(); }))
            return false;
        const int kept = std::count_if(measured.cbegin(), measured.cend(),
            [](const QList<QVariant> &signal) { return signal.at(2).toBool(); });
        if (kept > resultsClosed) {
            if (!tryClick(awaitDialog<TrainingResultsDialog>(), "pushButton"))
                return false;
            resultsClosed = kept;
        }
        return waitUntil([this] { return preview->isEnabled(); });
    }
    void waitUntilBack() { QVERIFY2(tryWaitUntilBack(), "the training screen did not take taps again"); }

private:
    MainWindow *window;
    PreviewForm *preview;
    // The trainings measured, and how many of their results have been closed.
    QSignalSpy measured;
    int resultsClosed = 0;
};

} // namespace TraineeSteps
