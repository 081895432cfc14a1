#include "history/simplelistitem.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
#include <QVariant>

#include "core/logging.h"

namespace {

constexpr QSize kMaximumSize(1440, 75);
constexpr int kHeight = 75;
constexpr int kSpacing = 30;
constexpr int kLeftMargin = 50;
constexpr QSize kCheckSize(50, 50);
constexpr int kDateWidth = 350;
constexpr QSize kPictureSize(120, 65);
constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";
// The rows' style sheet selects on these dynamic properties.
constexpr auto kRowProperty = "parent";
constexpr auto kSelectedProperty = "selected";
constexpr auto kListStyle
    = "QFrame[parent=true] {border-image: url(:/graphics/lists/item_background.png) 0 0 0 0 stretch stretch;}"
      "QFrame[parent=true][selected=true] {border-image: url(:/graphics/lists/item_selected_background.png) "
      "0 0 0 0 stretch stretch;}"
      "QFrame[parent=true] QPushButton {border: none; border-image: none; background: transparent;}"
      "QFrame[parent=true] QLabel {color: rgb(180, 180, 180);}"
      "QFrame[parent=true][selected=true] QLabel {color: white;}";

// One decoded picture of each state for all rows: an icon made from a
// resource path reads and decodes its picture again.
QIcon checkIcon(bool checked)
{
    static const QIcon checkedIcon { QLatin1String(kCheckedIcon) };
    static const QIcon uncheckedIcon { QLatin1String(kUncheckedIcon) };
    return checked ? checkedIcon : uncheckedIcon;
}

} // namespace

SimpleListItem::SimpleListItem(QWidget *parent, int id, const QString &title, const QString &date,
    const QString &duration, const QString &video, const QString &picture)
    : QFrame(parent)
    , checkButton(new QPushButton(this))
    , titleLabel(new QLabel(title, this))
    , dateLabel(new QLabel(this))
    , durationLabel(new QLabel(tr("duration: ") + duration, this))
    , pictureLabel(new QLabel(this))
    , itemId(id)
    , date(date)
    , videoPath(video)
{
    setMaximumSize(kMaximumSize);
    setMinimumHeight(kHeight);
    QFont font(QStringLiteral("Arial"), 16);
    font.setWeight(QFont::Bold);
    setProperty(kRowProperty, true);
    installEventFilter(this);

    for (QLabel *label : { titleLabel, dateLabel, durationLabel }) {
        label->setWordWrap(true);
        label->setFont(font);
    }
    // On one line, however long the exercise's title.
    dateLabel->setWordWrap(false);
    dateLabel->setMinimumWidth(kDateWidth);
    showExercise(QString());
    durationLabel->hide();

    checkButton->setCheckable(true);
    checkButton->setFixedSize(kCheckSize);
    checkButton->setIconSize(kCheckSize);
    checkButton->setFocusPolicy(Qt::NoFocus);
    checkButton->setIcon(checkIcon(false));
    connect(checkButton, &QPushButton::toggled, this, &SimpleListItem::on_btn_toggled);
    connect(checkButton, &QPushButton::toggled, this, &SimpleListItem::checkToggled);

    pictureLabel->setFixedSize(kPictureSize);
    pictureLabel->setScaledContents(true);
    // The picture is the training's evidence: read-only from now on. The
    // list keeps the picture's place hidden, so the full-screen PNG is not
    // decoded: with hundreds of rows that alone would take seconds.
    if (QFile::exists(picture))
        QFile::setPermissions(picture, QFileDevice::ReadUser);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(kSpacing);
    layout->setContentsMargins(kLeftMargin, 0, 0, 0);
    layout->addWidget(checkButton);
    layout->addWidget(titleLabel);
    layout->addWidget(dateLabel);
    layout->addWidget(durationLabel);
    layout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    layout->addWidget(pictureLabel);
    layout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    // Unselected; the style sheet is applied once, when the row is first
    // shown, rather than here and again then.
    setProperty(kSelectedProperty, false);
    pictureLabel->hide();
}

QString SimpleListItem::listStyleSheet()
{
    return QLatin1String(kListStyle);
}

void SimpleListItem::showSelected(bool selected)
{
    if (property(kSelectedProperty).toBool() == selected)
        return;
    setProperty(kSelectedProperty, selected);
    // The labels' colour follows the row's property, which Qt does not watch.
    for (QWidget *widget : { static_cast<QWidget *>(this), static_cast<QWidget *>(titleLabel),
             static_cast<QWidget *>(dateLabel), static_cast<QWidget *>(durationLabel) }) {
        style()->unpolish(widget);
        style()->polish(widget);
    }
    update();
}

void SimpleListItem::showExercise(const QString &title)
{
    dateLabel->setText(tr("date: ") + date + (title.isEmpty() ? QString() : QStringLiteral(" · ") + title));
}

void SimpleListItem::SetSelected()
{
    showSelected(true);
    emit selected(this, itemId, videoPath);
}

void SimpleListItem::SetUnselected()
{
    showSelected(false);
}

bool SimpleListItem::isChecked() const
{
    return checkButton->isChecked();
}

void SimpleListItem::on_btn_toggled(bool checked)
{
    checkButton->setChecked(checked);
    checkButton->setIcon(checkIcon(checked));
}

bool SimpleListItem::eventFilter(QObject *object, QEvent *event)
{
    Q_UNUSED(object)
    if (event->type() == QEvent::MouseButtonDblClick) {
        qCDebug(lcHistory) << "double click";
        emit doubleClick(this, itemId, videoPath);
    } else if (tap.endsTap(event) && itemId >= 0) {
        SetSelected();
    }
    return false;
}
