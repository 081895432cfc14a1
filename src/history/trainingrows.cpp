#include "history/trainingrows.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "core/clientsessioninfo.h"
#include "history/simplelistitem.h"

namespace {

// Rows stand 75 pixels high and 20 apart, at most 1440 wide, inside these
// margins; the newest is on top.
constexpr int kRowHeight = 75;
constexpr int kRowPitch = kRowHeight + 20;
constexpr int kRowMaximumWidth = 1440;
constexpr QMargins kListMargins(30, 40, 30, 40);

} // namespace

TrainingRows::TrainingRows(QScrollArea *area, QWidget *container, QObject *parent)
    : QObject(parent)
    , area(area)
    , container(container)
    , emptyNote(new QLabel(container))
{
    emptyNote->setObjectName(QStringLiteral("noTrainings"));
    emptyNote->setWordWrap(true);
    emptyNote->setStyleSheet(QStringLiteral("QLabel {color: rgb(180, 180, 180); font-size: 16pt;}"));
    emptyNote->hide();
    area->setWidget(container);
    container->setStyleSheet(SimpleListItem::listStyleSheet());
    connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this, &TrainingRows::place);
}

void TrainingRows::setTrainings(const QVector<TrainingRecord> &trainings)
{
    qDeleteAll(items);
    items.clear();
    records = trainings;
    checks.fill(false, records.size());
    const int rowsHeight = records.isEmpty() ? 0 : records.size() * kRowPitch - (kRowPitch - kRowHeight);
    container->setMinimumHeight(kListMargins.top() + rowsHeight + kListMargins.bottom());
    emptyNote->setText(tr("No recorded trainings yet. "
                          "Start a training from the menu's training screen with RECORD VIDEO on."));
    emptyNote->setVisible(records.isEmpty());
    place();
    emit checksChanged();
}

bool TrainingRows::lists(const QVector<TrainingRecord> &trainings) const
{
    return std::equal(records.cbegin(), records.cend(), trainings.cbegin(), trainings.cend(),
        [](const TrainingRecord &one, const TrainingRecord &other) {
            return one.videoPath == other.videoPath;
        });
}

SimpleListItem *TrainingRows::buildRow(const TrainingRecord &record)
{
    auto *row = new SimpleListItem(
        container, record.id, QString(), record.dateText, QString(), record.videoPath, record.picturePath);
    row->showExercise(exerciseTitles.value(record.videoPath));
    if (record.id == ClientSessionInfo::actualVideoID)
        row->SetSelected();
    row->on_btn_toggled(checks.at(record.id));
    connect(row, &SimpleListItem::selected, this, &TrainingRows::selected);
    connect(row, &SimpleListItem::doubleClick, this, &TrainingRows::doubleClick);
    connect(row, &SimpleListItem::checkToggled, this, &TrainingRows::checksChanged);
    return row;
}

void TrainingRows::nameExercises(const QHash<QString, QString> &titles)
{
    exerciseTitles = titles;
    for (SimpleListItem *row : qAsConst(items))
        row->showExercise(exerciseTitles.value(row->getVideoPath()));
}

void TrainingRows::place()
{
    const int count = records.size();
    const int top = area->verticalScrollBar()->value() - kListMargins.top();
    const int bottom = top + area->viewport()->height();
    // Places from the top, where the newest training stands.
    const int firstPlace = qMax(0, top / kRowPitch);
    const int lastPlace = qMin(count - 1, bottom / kRowPitch);
    const auto placeOf = [count](int id) { return count - 1 - id; };

    QVector<SimpleListItem *> kept;
    for (SimpleListItem *row : qAsConst(items)) {
        const int place = placeOf(row->id());
        if (place >= firstPlace && place <= lastPlace) {
            kept << row;
            continue;
        }
        checks[row->id()] = row->isChecked();
        // Later: the row may be handling the event that scrolled the list.
        row->hide();
        row->deleteLater();
    }
    for (int place = firstPlace; place <= lastPlace; ++place) {
        const int id = placeOf(place);
        if (std::none_of(
                kept.cbegin(), kept.cend(), [id](const SimpleListItem *row) { return row->id() == id; }))
            kept << buildRow(records.at(id));
    }
    std::sort(kept.begin(), kept.end(),
        [](const SimpleListItem *a, const SimpleListItem *b) { return a->id() < b->id(); });
    items = kept;

    const int width = qMin(kRowMaximumWidth, container->width() - kListMargins.left() - kListMargins.right());
    emptyNote->setGeometry(kListMargins.left(), kListMargins.top(), width, kRowHeight);
    for (SimpleListItem *row : qAsConst(items)) {
        row->setGeometry(
            kListMargins.left(), kListMargins.top() + placeOf(row->id()) * kRowPitch, width, kRowHeight);
        row->show();
    }
}

bool TrainingRows::isChecked(int id) const
{
    for (const SimpleListItem *row : items) {
        if (row->id() == id)
            return row->isChecked();
    }
    return checks.at(id);
}

QStringList TrainingRows::checkedVideos() const
{
    QStringList videos;
    for (const TrainingRecord &record : records) {
        if (isChecked(record.id))
            videos << record.videoPath;
    }
    return videos;
}

void TrainingRows::checkAll(bool checked)
{
    checks.fill(checked);
    for (SimpleListItem *row : qAsConst(items))
        row->on_btn_toggled(checked);
    emit checksChanged();
}

void TrainingRows::unselectAllBut(int id)
{
    for (SimpleListItem *row : qAsConst(items)) {
        if (row->id() != id)
            row->SetUnselected();
    }
}
