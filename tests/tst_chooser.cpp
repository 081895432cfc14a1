#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "catalogue/choosetrainingform.h"
#include "catalogue/scenarioframe.h"
#include "core/clientsessioninfo.h"
#include "storage/trainingrecords.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 15000;
constexpr auto kSelectedStyle = "item_selected_background.png";
constexpr auto kUnselectedStyle = "item_background.png";
const QStringList kIconNames { "dissectorIcon", "grasperIcon", "scissorsIcon", "needleHolderIcon" };

Scenario scenario(
    int number, const QString &title, const QStringList &tools = {}, const QString &picture = {})
{
    Scenario result;
    result.SetHeader(QStringLiteral("Kavrin Training"), { title, title, title, title, title, title }, number);
    result.SetTools(tools);
    result.cartridgePicturePath = picture;
    return result;
}

// A press, moves by the given steps, and the release where the finger is.
void drag(QWidget *widget, const QList<QPointF> &steps)
{
    QPointF position(100, 40);
    const auto send
        = [widget, &position](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
              QMouseEvent event(type, position, button, buttons, Qt::NoModifier);
              QApplication::sendEvent(widget, &event);
          };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    for (const QPointF &step : steps) {
        position += step;
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

} // namespace

// The training chooser on its own, over the session's catalogue.
class ChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowShowsItsScenario_data();
    void rowShowsItsScenario();
    void dragOnARow_data();
    void dragOnARow();
    void listCoastsAfterTheFinger();
    void listsTheBuiltInExercises();
    void choosingAnExercise();

private:
    QList<QScenarioFrame *> rows() const;
    // Fills the catalogue and lets the loader report it.
    void load(const QVector<Scenario> &scenarios);

    ChooseTrainingForm *form = nullptr;
    QTemporaryDir dir;
};

void ChooserTest::init()
{
    ClientSessionInfo::scenarios.clear();
    form = new ChooseTrainingForm(nullptr);
    form->resize(1600, 1000);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void ChooserTest::cleanup()
{
    delete form;
    ClientSessionInfo::actualForm = nullptr;
    ClientSessionInfo::scenarios.clear();
}

QList<QScenarioFrame *> ChooserTest::rows() const
{
    QList<QScenarioFrame *> result;
    QLayout *layout = form->findChild<QScrollArea *>("listFrame")->widget()->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *row = qobject_cast<QScenarioFrame *>(layout->itemAt(i)->widget()))
            result << row;
    }
    return result;
}

void ChooserTest::load(const QVector<Scenario> &scenarios)
{
    ClientSessionInfo::scenarios = scenarios;
    emit form->loader().ResultsAppended();
}

void ChooserTest::rowShowsItsScenario_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QStringList>("icons");
    QTest::addColumn<QSize>("pictureSize");
    // -1: no picture shown.
    QTest::addColumn<int>("pictureWidth");

    // Tools in any letter case, but exactly so; pictures shrunk by whole steps
    // of 96 pixels, and lower ones left out.
    QTest::newRow("upper-case tools, two steps")
        << QStringList { "GRASPER", "Scissors" } << QStringList { "grasperIcon", "scissorsIcon" }
        << QSize(300, 200) << 150;
    QTest::newRow("all four tools, ten steps")
        << QStringList { "needle_holder", "scissors", "grasper", "dissector" } << kIconNames
        << QSize(960, 960) << 96;
    QTest::newRow("space kept from the file, 95 high")
        << QStringList { "grasper", " scissors" } << QStringList { "grasperIcon" } << QSize(300, 95) << -1;
}

void ChooserTest::rowShowsItsScenario()
{
    QFETCH(QStringList, tools);
    QFETCH(QStringList, icons);
    QFETCH(QSize, pictureSize);
    QFETCH(int, pictureWidth);

    QCOMPARE(ClientSessionInfo::actualForm, form);
    // A catalogue filled without the loader's report is not shown.
    ClientSessionInfo::scenarios = { scenario(9, "Unreported") };
    QCoreApplication::processEvents();
    QVERIFY(rows().isEmpty());

    const QString path = dir.filePath(
        QStringLiteral("cartridge%1x%2.png").arg(pictureSize.width()).arg(pictureSize.height()));
    QImage picture(pictureSize, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(path));
    load({ scenario(1, "Knots", tools, path) });
    // A second report builds the list anew instead of adding to it.
    load({ scenario(1, "Knots", tools, path) });
    QCOMPARE(rows().size(), 1);
    QScenarioFrame *row = rows().at(0);
    QVERIFY(!form->findChild<QPushButton *>("chooseButton")->isEnabled());

    QCOMPARE(row->getName(), QStringLiteral("Knots"));
    QVERIFY(row->styleSheet().contains(kUnselectedStyle));
    // The maker's logo is 128 pixels square: 50 at the row's height.
    QCOMPARE(row->findChild<QLabel *>("rowLogo")->width(), 50);
    for (const QString &name : kIconNames)
        QCOMPARE(!row->findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue).isNull(), icons.contains(name));
    auto *shown = row->findChild<QLabel *>("rowPicture");
    QCOMPARE(!shown->isHidden(), pictureWidth > 0);
    if (pictureWidth > 0) {
        QCOMPARE(shown->size(), QSize(pictureWidth, 100));
        QCOMPARE(shown->pixmap(Qt::ReturnByValue).size(), pictureSize);
    }
}

void ChooserTest::dragOnARow_data()
{
    QTest::addColumn<QList<QPointF>>("steps");
    QTest::addColumn<bool>("selects");
    // The list's speed after the finger, in pixels per tick.
    QTest::addColumn<float>("speed");

    QTest::newRow("still") << QList<QPointF>() << true << 0.0f;
    QTest::newRow("39 pixels down") << QList<QPointF> { { 0, 39 } } << true << 58.5f;
    // Positions count in whole pixels: 39.6 is 40.
    QTest::newRow("39.6 pixels down") << QList<QPointF> { { 0, 39.6 } } << false << 60.0f;
    QTest::newRow("4 up") << QList<QPointF> { { 0, -4 } } << true << -6.0f;
    // The path counts, not the distance from start to end.
    QTest::newRow("40 pixels there and back") << QList<QPointF> { { 20, 0 }, { -20, 0 } } << false << 0.0f;
    QTest::newRow("40 pixels aslant") << QList<QPointF> { { 24, 32 } } << false << 48.0f;
    QTest::newRow("twice 10 down") << QList<QPointF> { { 0, 10 }, { 0, 10 } } << true << 22.5f;
    // A move against the motion changes nothing but the finger's position.
    QTest::newRow("back against the motion") << QList<QPointF> { { 0, 10 }, { 0, -5 } } << true << 15.0f;
    QTest::newRow("sideways halves") << QList<QPointF> { { 0, 10 }, { 30, 0 } } << false << 7.5f;
}

void ChooserTest::dragOnARow()
{
    QFETCH(QList<QPointF>, steps);
    QFETCH(bool, selects);
    QFETCH(float, speed);

    load({ scenario(7, "Knots"), scenario(8, "Sutures") });
    // A double tap selects its row and chooses it.
    QSignalSpy doubled(rows().at(0), &QScenarioFrame::dblClick);
    QTest::mouseDClick(rows().at(0), Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.at(0).at(0).toInt(), 7);

    QScenarioFrame *row = rows().at(1);
    QSignalSpy selected(row, &QScenarioFrame::selected);
    // Sent without the event loop, so the coasting timer cannot step in.
    drag(row, steps);
    QCOMPARE(form->scrollSpeed(), speed);
    QCOMPARE(selected.count(), selects ? 1 : 0);
    if (selects)
        QCOMPARE(selected.at(0).at(0).toInt(), 8);
    QCOMPARE(row->styleSheet().contains(kSelectedStyle), selects);
    // One row is selected at a time.
    QCOMPARE(rows().at(0)->styleSheet().contains(kSelectedStyle), !selects);
}

void ChooserTest::listCoastsAfterTheFinger()
{
    QVector<Scenario> catalogue;
    for (int i = 0; i < 20; ++i)
        catalogue << scenario(i, QStringLiteral("Training %1").arg(i));
    load(catalogue);
    QScrollBar *bar = form->findChild<QScrollArea *>("listFrame")->verticalScrollBar();
    // The list's length is known once the rows have been laid out.
    QVERIFY(QTest::qWaitFor([bar] { return bar->maximum() > 1000; }, kTimeoutMs));
    bar->setValue(500);
    QSignalSpy values(bar, &QScrollBar::valueChanged);

    // 15 pixels per tick, 90 % of that at each tick, the new value cut to
    // whole pixels (cutting the speed instead would stop short); the
    // timer runs from the list's building on, and stops the list once the
    // speed is below 1.
    drag(rows().at(0), { { 0, 10 } });
    QCOMPARE(form->scrollSpeed(), 15.0f);
    QTRY_COMPARE_WITH_TIMEOUT(form->scrollSpeed(), 0.0f, kTimeoutMs);
    QCOMPARE(values.mid(0, 4), (QList<QVariantList> { { 485 }, { 471 }, { 458 }, { 447 } }));
}

void ChooserTest::listsTheBuiltInExercises()
{
    // Read on the loader's thread, stored and listed on this one.
    form->loadExercises();
    QTRY_COMPARE_WITH_TIMEOUT(rows().size(), 4, kTimeoutMs);
    QCOMPARE(rows().at(0)->getName(), QStringLiteral("Peg transfer"));
    QVERIFY(!rows().at(0)->findChild<QLabel *>("rowPicture")->isHidden());
}

// An account's choice from the built-in exercises, and its progress in
// each: two trainings in a row that met every target pass the peg transfer.
void ChooserTest::choosingAnExercise()
{
    const DataLocation location(dir.path() + QLatin1Char('/'));
    location.createFolders();
    ClientSessionInfo::accounts.setLocation(location);
    QVERIFY(ClientSessionInfo::accounts.add(QStringLiteral("Ann"), QStringLiteral("1111")));
    ClientSessionInfo::accounts.setCurrent(0);
    const QString folder = ClientSessionInfo::accounts.recordingFolder(*ClientSessionInfo::actualUser());
    const ExerciseTargets pegTransfer { 48, { 1450, 1450 }, { 10, 10 } };
    const int seconds[] = { 52, 45, 40 };
    for (int i = 0; i < 3; ++i) {
        const QString video = trainingVideoPath(folder, QStringLiteral("2026_03_0%1T10_00_00").arg(i + 1));
        QFile file(video);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(16, 'v')) == 16 && file.flush());
        // A day apart: files written within the clock's tick would be
        // ordered by name, not by the order of their trainings.
        QVERIFY(file.setFileTime(QDateTime(QDate(2026, 3, i + 1), QTime(10, 0)), QFileDevice::FileModificationTime));
        file.close();
        TrainingMeasurement measurement;
        measurement.metrics.durationSeconds = seconds[i];
        measurement.metrics.unit = LengthUnit::Millimetres;
        for (InstrumentMetrics &instrument : measurement.metrics.instruments) {
            instrument.seen = true;
            instrument.idleSeconds = 5;
            instrument.pathLength = 900;
        }
        measurement.metrics.exercise = TrainedExercise { 1, pegTransfer };
        QVERIFY(writeTrainingMeasurement(video, measurement));
    }
    form->hide();
    form->loadExercises();
    QTRY_COMPARE_WITH_TIMEOUT(rows().size(), 4, kTimeoutMs);
    form->show();
    QTRY_VERIFY_WITH_TIMEOUT(!form->isReadingProgress() && !rows().at(1)->progress().isEmpty(), kTimeoutMs);
    QCOMPARE(rows().at(0)->progress(), QStringLiteral("Passed · trainings: 3 · best time 00:00:40"));
    QCOMPARE(rows().at(1)->progress(), QStringLiteral("Not trained yet"));

    // A tap selects, CHOOSE TRAINING keeps the choice beside the account
    // file, and the training screen comes next; FREE TRAINING forgets it,
    // BACK changes nothing.
    auto *choose = form->findChild<QPushButton *>("chooseButton");
    QVERIFY(!choose->isEnabled());
    QSignalSpy next(form, &ChooseTrainingForm::ShowNextForm);
    QTest::mouseClick(rows().at(1), Qt::LeftButton);
    QCOMPARE(form->selectedExercise(), 2);
    QTest::mouseClick(choose, Qt::LeftButton);
    QCOMPARE(ClientSessionInfo::accounts.currentExercise(), 2);
    QTest::mouseClick(form->findChild<QPushButton *>("returnButton"), Qt::LeftButton);
    QCOMPARE(ClientSessionInfo::accounts.currentExercise(), 2);
    QTest::mouseClick(form->findChild<QPushButton *>("freeTrainingBtn"), Qt::LeftButton);
    QCOMPARE(ClientSessionInfo::accounts.currentExercise(), 0);
    QCOMPARE(next.size(), 3);
    QVERIFY(std::all_of(next.cbegin(), next.cend(),
        [](const QVariantList &form) { return form.at(0).value<FormEnum>() == FormPreview; }));
    ClientSessionInfo::accounts = AccountStore();
}

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
