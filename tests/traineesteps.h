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
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "sessionfixture.h"

// What a trainee does with the real main window, step by step: each step a
// click on a named button, waiting for what it leads to. The waits are
// generous, since the tests share a small machine with other jobs.
namespace TraineeSteps {

constexpr int kStepTimeoutMs = 15000;

// A click on the push button of that name inside parent.
inline void click(const QWidget *parent, const char *name)
{
    QPushButton *button = parent ? parent->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Answers the question shown in the dialog host with its button of that name.
inline void answerQuestion(const char *button)
{
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<DecisionDialog>(), kStepTimeoutMs);
    click(shownDialog<DecisionDialog>(), button);
}

// The first run's language dialog, answered with the flag of that name.
inline void chooseLanguage(const char *flag)
{
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<LanguageSelectDialog>(), kStepTimeoutMs);
    auto *dialog = shownDialog<LanguageSelectDialog>();
    click(dialog, flag);
    click(dialog, "nextBtn");
}

// The first run's camera dialog, confirmed once the virtual camera's live
// picture runs in it.
inline void confirmCamera()
{
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<CameraSelectDialog>(), kStepTimeoutMs);
    auto *dialog = shownDialog<CameraSelectDialog>();
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
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<WriteLocationDialog>(), kStepTimeoutMs);
    auto *dialog = shownDialog<WriteLocationDialog>();
    answerFolderPicker(folder);
    click(dialog, "dirBtn");
    QCOMPARE(dialog->findChild<QLabel *>("label_2")->text(), folder);
    click(dialog, "nextBtn");
}

// Waits until the screen of form is shown and its fade has ended.
inline void waitForScreen(const MainWindow *window, FormEnum form)
{
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(form), kStepTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kStepTimeoutMs);
}

// Presses the menu's button that leads to the screen of form, once the menu
// stands still, and waits for that screen.
inline void openFromMenu(const MainWindow *window, const char *button, FormEnum form)
{
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kStepTimeoutMs);
    click(window->screenFor(FormMenu), button);
    waitForScreen(window, form);
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
    explicit TrainingSteps(const MainWindow *window)
        : window(window)
        , preview(qobject_cast<PreviewForm *>(window->screenFor(FormPreview)))
        , measured(preview, &PreviewForm::trainingMeasured)
    {
    }

    PreviewForm *screen() const { return preview; }

    // From the menu.
    void open()
    {
        openFromMenu(window, "trainingButton", FormPreview);
        waitUntilBack();
    }

    // START TRAINING and Yes: the picture goes full screen.
    void start()
    {
        click(preview, "recordBtn");
        answerQuestion("rightBtn");
        QCOMPARE(ClientSessionInfo::actualForm, preview->trainingViewfinder());
        QVERIFY(preview->trainingViewfinder()->isVisible());
        QVERIFY(!preview->isVisible());
    }

    // A tap on the picture and Yes.
    void finishByTap()
    {
        // The dialog's blur must be gone before the picture takes taps again.
        QTRY_VERIFY_WITH_TIMEOUT(preview->trainingViewfinder()->isEnabled(), kStepTimeoutMs);
        QTest::mousePress(preview->trainingViewfinder(), Qt::LeftButton);
        answerQuestion("rightBtn");
    }

    void waitUntilBack()
    {
        waitForScreen(window, FormPreview);
        // A recorded training's figures open over the screen once measured.
        QTRY_VERIFY_WITH_TIMEOUT(!preview->awaitsResults(), kStepTimeoutMs);
        const int kept = std::count_if(measured.cbegin(), measured.cend(),
            [](const QList<QVariant> &signal) { return signal.at(2).toBool(); });
        if (kept > resultsClosed) {
            QTRY_VERIFY_WITH_TIMEOUT(shownDialog<TrainingResultsDialog>(), kStepTimeoutMs);
            click(shownDialog<TrainingResultsDialog>(), "pushButton");
            resultsClosed = kept;
        }
        QTRY_VERIFY_WITH_TIMEOUT(preview->isEnabled(), kStepTimeoutMs);
    }

private:
    const MainWindow *window;
    PreviewForm *preview;
    // The trainings measured, and how many of their results have been closed.
    QSignalSpy measured;
    int resultsClosed = 0;
};

} // namespace TraineeSteps
