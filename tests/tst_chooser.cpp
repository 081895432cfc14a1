#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "catalogue/choosetrainingform.h"
#include "catalogue/scenarioframe.h"
#include "core/clientsessioninfo.h"

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

void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &position)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A press, moves by the given steps, and the release where the finger is.
void drag(QWidget *widget, const QList<QPointF> &steps)
{
    QPointF position(100, 40);
    sendMouse(widget, QEvent::MouseButtonPress, position);
    for (const QPointF &step : steps) {
        position += step;
        sendMouse(widget, QEvent::MouseMove, position);
    }
    sendMouse(widget, QEvent::MouseButtonRelease, position);
}

QColor textColour(const QLabel *label)
{
    label->ensurePolished();
    return label->palette().color(QPalette::WindowText);
}

} // namespace

// The training chooser on its own, over the session's catalogue.
class ChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listBuiltWhenTheLoaderReports_data();
    void listBuiltWhenTheLoaderReports();
    void toolIcons_data();
    void toolIcons();
    void cartridgePicture_data();
    void cartridgePicture();
    void tapSelects_data();
    void tapSelects();
    void doubleTapAndTickBox();
    void dragSpeed_data();
    void dragSpeed();
    void listCoastsAfterTheFinger();
    void coasting_data();
    void coasting();

private:
    QList<QScenarioFrame *> rows() const;
    // Twenty rows, scrolled to 500 when they are long enough.
    QScrollBar *loadLongList();
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

QScrollBar *ChooserTest::loadLongList()
{
    QVector<Scenario> catalogue;
    for (int i = 0; i < 20; ++i)
        catalogue << scenario(i, QStringLiteral("Training %1").arg(i));
    load(catalogue);
    QScrollBar *bar = form->findChild<QScrollArea *>("listFrame")->verticalScrollBar();
    // The list's length is known once the rows have been laid out.
    if (QTest::qWaitFor([bar] { return bar->maximum() > 1000; }, kTimeoutMs))
        bar->setValue(500);
    return bar;
}

void ChooserTest::load(const QVector<Scenario> &scenarios)
{
    ClientSessionInfo::scenarios = scenarios;
    emit form->loader().ResultsAppended();
}

void ChooserTest::listBuiltWhenTheLoaderReports_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("empty catalogue") << QStringList();
    QTest::newRow("three scenarios") << QStringList { "Knots", "Sutures", "Cutting" };
}

void ChooserTest::listBuiltWhenTheLoaderReports()
{
    QFETCH(QStringList, titles);

    QCOMPARE(ClientSessionInfo::actualForm, form);
    QCOMPARE(ClientSessionInfo::whereIAM, FormChooseTraining);
    QCOMPARE(form->findChild<QPushButton *>("chooseButton")->text(), QStringLiteral("CHOOSE TRAINING"));

    // A catalogue filled without the loader's report is not shown.
    ClientSessionInfo::scenarios = { scenario(9, "Unreported") };
    QCoreApplication::processEvents();
    QVERIFY(rows().isEmpty());

    QVector<Scenario> catalogue;
    for (int i = 0; i < titles.size(); ++i)
        catalogue << scenario(10 + i, titles.at(i));
    load(catalogue);
    // A second report builds the list anew instead of adding to it.
    load(catalogue);

    QList<QScenarioFrame *> built = rows();
    QCOMPARE(built.size(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        QScenarioFrame *row = built.at(i);
        QCOMPARE(row->getName(), titles.at(i));
        QCOMPARE(row->height(), 110);
        QVERIFY(row->findChild<QLabel *>("rowAuthor")->isHidden());
        QVERIFY(row->styleSheet().contains(kUnselectedStyle));
        QCOMPARE(textColour(row->findChild<QLabel *>("rowTitle")), QColor(180, 180, 180));
        // The maker's logo is 128 pixels square: 50 at the row's height.
        QCOMPARE(row->findChild<QLabel *>("rowLogo")->width(), 50);
    }
    QVERIFY(!form->findChild<QPushButton *>("chooseButton")->isEnabled());
}

void ChooserTest::toolIcons_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QStringList>("icons");

    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("any letter case") << QStringList { "GRASPER", "Scissors" }
                                     << QStringList { "grasperIcon", "scissorsIcon" };
    QTest::newRow("all four in another order")
        << QStringList { "needle_holder", "scissors", "grasper", "dissector" } << kIconNames;
    QTest::newRow("space instead of the underscore") << QStringList { "needle holder" } << QStringList();
    QTest::newRow("space kept from the file")
        << QStringList { "grasper", " scissors" } << QStringList { "grasperIcon" };
}

void ChooserTest::toolIcons()
{
    QFETCH(QStringList, tools);
    QFETCH(QStringList, icons);

    load({ scenario(1, "Knots", tools) });
    QCOMPARE(rows().size(), 1);
    for (const QString &name : kIconNames) {
        auto *icon = rows().at(0)->findChild<QLabel *>(name);
        QVERIFY(icon);
        QCOMPARE(icon->size(), QSize(65, 31));
        QCOMPARE(!icon->pixmap(Qt::ReturnByValue).isNull(), icons.contains(name));
    }
}

void ChooserTest::cartridgePicture_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("width");

    // Shrunk by whole steps of 96 pixels; lower pictures are left out.
    QTest::newRow("two steps") << QSize(300, 200) << 150;
    QTest::newRow("one step") << QSize(120, 96) << 120;
    QTest::newRow("ten steps") << QSize(960, 960) << 96;
    QTest::newRow("95 high") << QSize(300, 95) << -1;
    QTest::newRow("missing") << QSize() << -1;
}

void ChooserTest::cartridgePicture()
{
    QFETCH(QSize, size);
    QFETCH(int, width);

    QString path = dir.filePath("missing.png");
    if (size.isValid()) {
        path = dir.filePath(QStringLiteral("cartridge%1x%2.png").arg(size.width()).arg(size.height()));
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(path));
    }
    load({ scenario(1, "Knots", {}, path) });
    QCOMPARE(rows().size(), 1);
    auto *picture = rows().at(0)->findChild<QLabel *>("rowPicture");
    QCOMPARE(!picture->isHidden(), width > 0);
    if (width > 0) {
        QCOMPARE(picture->size(), QSize(width, 100));
        QCOMPARE(picture->pixmap(Qt::ReturnByValue).size(), size);
    }
}

void ChooserTest::tapSelects_data()
{
    QTest::addColumn<QList<QPointF>>("steps");
    QTest::addColumn<bool>("selects");

    QTest::newRow("still") << QList<QPointF>() << true;
    QTest::newRow("39 pixels") << QList<QPointF> { { 0, 39 } } << true;
    QTest::newRow("40 pixels") << QList<QPointF> { { 0, 40 } } << false;
    QTest::newRow("39 pixels there and back") << QList<QPointF> { { 20, 0 }, { -19, 0 } } << true;
    // Counted along the path, not from start to end.
    QTest::newRow("40 pixels there and back") << QList<QPointF> { { 20, 0 }, { -20, 0 } } << false;
    QTest::newRow("40 pixels aslant") << QList<QPointF> { { 24, 32 } } << false;
    // Positions count in whole pixels: 39.4 is 39.
    QTest::newRow("39.4 pixels") << QList<QPointF> { { 39.4, 0 } } << true;
}

void ChooserTest::tapSelects()
{
    QFETCH(QList<QPointF>, steps);
    QFETCH(bool, selects);

    load({ scenario(7, "Knots"), scenario(8, "Sutures") });
    QScenarioFrame *row = rows().at(1);
    QSignalSpy selected(row, &QScenarioFrame::selected);
    drag(row, steps);

    QCOMPARE(selected.count(), selects ? 1 : 0);
    if (selects)
        QCOMPARE(selected.at(0).at(0).toInt(), 8);
    QCOMPARE(row->styleSheet().contains(kSelectedStyle), selects);
    QCOMPARE(textColour(row->findChild<QLabel *>("rowTitle")),
        selects ? QColor(255, 255, 255) : QColor(180, 180, 180));
    QVERIFY(rows().at(0)->styleSheet().contains(kUnselectedStyle));
}

void ChooserTest::doubleTapAndTickBox()
{
    load({ scenario(3, "Knots"), scenario(4, "Sutures") });
    QScenarioFrame *first = rows().at(0);
    QScenarioFrame *second = rows().at(1);
    QSignalSpy doubled(second, &QScenarioFrame::dblClick);
    QTest::mouseDClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.at(0).at(0).toInt(), 4);
    QVERIFY(second->styleSheet().contains(kSelectedStyle));

    // Selecting another row leaves this one selected.
    drag(first, {});
    QVERIFY(first->styleSheet().contains(kSelectedStyle));
    QVERIFY(second->styleSheet().contains(kSelectedStyle));

    auto *tickBox = first->findChild<QPushButton *>("tickBox");
    QVERIFY(tickBox->isHidden());
    QSignalSpy checked(first, &QScenarioFrame::checked);
    QSignalSpy unchecked(first, &QScenarioFrame::unchecked);
    QTest::ignoreMessage(QtDebugMsg, "is checked true");
    tickBox->click();
    QTest::ignoreMessage(QtDebugMsg, "is checked false");
    tickBox->click();
    QCOMPARE(checked.count(), 1);
    QCOMPARE(checked.at(0).at(0).toInt(), 3);
    QCOMPARE(unchecked.count(), 1);
    const QImage tickedIcon
        = QIcon(":/graphics/application_layout/checked_checkbox.png").pixmap(45).toImage();
    first->check();
    QVERIFY(tickBox->isChecked());
    QCOMPARE(tickBox->icon().pixmap(45).toImage(), tickedIcon);
    first->uncheck();
    QVERIFY(!tickBox->isChecked());
    QCOMPARE(checked.count() + unchecked.count(), 2);
}

void ChooserTest::dragSpeed_data()
{
    QTest::addColumn<QList<QPointF>>("steps");
    QTest::addColumn<float>("speed");

    QTest::newRow("10 down") << QList<QPointF> { { 0, 10 } } << 15.0f;
    QTest::newRow("4 up") << QList<QPointF> { { 0, -4 } } << -6.0f;
    QTest::newRow("twice 10 down") << QList<QPointF> { { 0, 10 }, { 0, 10 } } << 22.5f;
    // A move against the motion changes nothing but the finger's position.
    QTest::newRow("back against the motion") << QList<QPointF> { { 0, 10 }, { 0, -5 } } << 15.0f;
    QTest::newRow("back and on") << QList<QPointF> { { 0, 10 }, { 0, -5 }, { 0, 10 } } << 22.5f;
    QTest::newRow("sideways halves") << QList<QPointF> { { 0, 10 }, { 30, 0 } } << 7.5f;
}

void ChooserTest::dragSpeed()
{
    QFETCH(QList<QPointF>, steps);
    QFETCH(float, speed);

    load({ scenario(1, "Knots") });
    // Sent without the event loop, so the coasting timer cannot step in.
    drag(form->findChild<QScrollArea *>("listFrame")->widget(), steps);
    QCOMPARE(form->scrollSpeed(), speed);
}

void ChooserTest::listCoastsAfterTheFinger()
{
    QScrollBar *bar = loadLongList();
    QCOMPARE(bar->value(), 500);
    QSignalSpy values(bar, &QScrollBar::valueChanged);

    // 15 pixels per tick, 90 % of that at each tick, the new value cut to
    // whole pixels; the timer runs from the list's building on.
    drag(rows().at(0), { { 0, 10 } });
    QCOMPARE(form->scrollSpeed(), 15.0f);
    QTRY_COMPARE_WITH_TIMEOUT(form->scrollSpeed(), 0.0f, kTimeoutMs);
    QVERIFY(values.count() > 4);
    QList<int> first;
    for (int i = 0; i < 4; ++i)
        first << values.at(i).at(0).toInt();
    QCOMPARE(first, (QList<int> { 485, 471, 458, 447 }));
}

void ChooserTest::coasting_data()
{
    QTest::addColumn<float>("speed");
    QTest::addColumn<QList<int>>("expected");

    // Cutting the new value towards zero moves the list unevenly.
    QTest::newRow("up") << 10.0f << QList<int> { 490, 481, 472, 464, 457 };
    QTest::newRow("down") << -10.0f << QList<int> { 510, 519, 527, 534, 540 };
}

void ChooserTest::coasting()
{
    QFETCH(float, speed);
    QFETCH(QList<int>, expected);

    QScrollBar *bar = loadLongList();
    QCOMPARE(bar->value(), 500);

    KineticScroll coast(KineticScroll::Truncation::Position, speed);
    QList<int> values;
    for (int tick = 0; tick < expected.size(); ++tick) {
        QVERIFY(coast.tick(bar));
        values << bar->value();
    }
    QCOMPARE(values, expected);
    // The motion ends once the speed is below 1.
    int ticks = expected.size();
    while (coast.tick(bar))
        ++ticks;
    QCOMPARE(ticks, 23);
    QCOMPARE(coast.speed(), 0.0f);
}

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
