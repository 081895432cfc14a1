#include "catalogue/scenarioframe.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "catalogue/scenario.h"
#include "core/logging.h"

namespace {

constexpr int kMinimumHeight = 80;
constexpr int kMaximumHeight = 100;
constexpr int kScenarioHeight = 110;
constexpr QSize kTickSize(45, 45);
constexpr auto kTickStyle = "*{background-color: rgba(0,0,0,0)}";
constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";
constexpr auto kFontFamily = "Corbel";
constexpr int kAuthorPointSize = 15;
constexpr int kTitlePointSize = 22;
constexpr QPoint kAuthorPosition(670, 41);
constexpr QPoint kLogoPosition(30, 28);
constexpr int kLogoHeight = 50;
constexpr QPoint kTitlePosition(150, 35);
// The title runs up to the cartridge picture.
constexpr QSize kTitleSize(730, 45);
constexpr int kProgressPointSize = 13;
constexpr QPoint kProgressPosition(150, 78);
constexpr QSize kProgressSize(730, 26);
constexpr QSize kToolIconSize(65, 31);
constexpr QPoint kToolStripPosition(1080, 28);
constexpr int kPictureHeight = 100;
// The cartridge picture is shrunk by whole multiples of this height.
constexpr int kPictureScaleStep = 96;
constexpr QPoint kNewPicturePosition(950, 5);
constexpr QPoint kPicturePosition(890, 5);
constexpr QColor kTextColour(180, 180, 180);
constexpr QColor kSelectedTextColour(255, 255, 255);
constexpr auto kSelectedStyle
    = "QFrame[parent=true] {border-image: "
      "url(:/graphics/lists/item_selected_background.png) 0 0 0 0 stretch stretch;}";
constexpr auto kUnselectedStyle = "QFrame[parent=true] {border-image: "
                                  "url(:/graphics/lists/item_background.png) 0 0 0 0 stretch stretch;}";

// Object names of the tool icons, in their places.
constexpr const char *kToolIconNames[]
    = { "dissectorIcon", "grasperIcon", "scissorsIcon", "needleHolderIcon" };

struct ToolIcon
{
    const char *tool;
    int place;
    const char *icon;
};

// Tool names are matched in any letter case; the icons keep their places
// whatever the order of the tools.
constexpr ToolIcon kToolIcons[] = {
    { "scissors", 2, ":/graphics/tools/scissors_logo.png" },
    { "dissector", 0, ":/graphics/tools/dissector_icon.png" },
    { "grasper", 1, ":/graphics/tools/grasper_icon.png" },
    { "needle_holder", 3, ":/graphics/tools/tool_holder.png" },
};

} // namespace

QScenarioFrame::QScenarioFrame(QWidget *parent)
    : QFrame(parent)
    , tickBox(new QPushButton(this))
    , authorLabel(new QLabel(QStringLiteral("AUTHOR_LABEL"), this))
    , logoLabel(new QLabel(this))
    , titleLabel(new QLabel(QStringLiteral("TITLE_LABEL"), this))
    , progressLabel(new QLabel(this))
    , toolStrip(new QFrame(this))
    , pictureLabel(new QLabel(this))
{
    setMinimumHeight(kMinimumHeight);
    setMaximumHeight(kMaximumHeight);
    installEventFilter(this);

    tickBox->setObjectName(QStringLiteral("tickBox"));
    authorLabel->setObjectName(QStringLiteral("rowAuthor"));
    logoLabel->setObjectName(QStringLiteral("rowLogo"));
    titleLabel->setObjectName(QStringLiteral("rowTitle"));
    pictureLabel->setObjectName(QStringLiteral("rowPicture"));
    tickBox->setCheckable(true);
    tickBox->setFixedSize(kTickSize);
    tickBox->setIconSize(kTickSize);
    tickBox->setStyleSheet(QLatin1String(kTickStyle));
    tickBox->setFocusPolicy(Qt::NoFocus);
    showTick(false);
    tickBox->hide();
    connect(tickBox, &QPushButton::clicked, this, &QScenarioFrame::on_tickBox_clicked);

    authorLabel->setFont(QFont(QLatin1String(kFontFamily), kAuthorPointSize));
    authorLabel->adjustSize();
    authorLabel->move(kAuthorPosition);

    logoLabel->setFixedHeight(kLogoHeight);
    logoLabel->setScaledContents(true);
    logoLabel->move(kLogoPosition);

    titleLabel->setFont(QFont(QLatin1String(kFontFamily), kTitlePointSize, QFont::Bold));
    titleLabel->setFixedSize(kTitleSize);
    titleLabel->move(kTitlePosition);
    progressLabel->setObjectName(QStringLiteral("rowProgress"));
    progressLabel->setFont(QFont(QLatin1String(kFontFamily), kProgressPointSize));
    progressLabel->setFixedSize(kProgressSize);
    progressLabel->move(kProgressPosition);

    auto *tools = new QHBoxLayout(toolStrip);
    tools->setSpacing(0);
    tools->setContentsMargins(0, 0, 0, 0);
    for (std::size_t place = 0; place < toolIcons.size(); ++place) {
        toolIcons[place] = new QLabel(toolStrip);
        toolIcons[place]->setObjectName(QLatin1String(kToolIconNames[place]));
        toolIcons[place]->setFixedSize(kToolIconSize);
        tools->addWidget(toolIcons[place]);
    }
    toolStrip->adjustSize();

    pictureLabel->setFixedHeight(kPictureHeight);
    pictureLabel->setScaledContents(true);
    pictureLabel->move(kNewPicturePosition);
    pictureLabel->hide();

    showTextColour(kTextColour);
}

void QScenarioFrame::SetScenario(Scenario scenario)
{
    setFixedHeight(kScenarioHeight);
    logoLabel->move(kLogoPosition);
    titleLabel->move(kTitlePosition);
    pictureLabel->move(kPicturePosition);
    authorLabel->hide();

    // The logo keeps its shape at the row's logo height.
    logoLabel->clear();
    const QPixmap &logo = scenario.GetAuthorLogo();
    logoLabel->setPixmap(logo);
    if (logo.height() > 0)
        logoLabel->setFixedWidth(logo.width() * kLogoHeight / logo.height());

    titleLabel->setText(scenario.GetTitle());

    // A picture lower than one step (or none at all) cannot be shrunk by
    // whole steps; the row goes without it.
    picture.load(scenario.cartridgePicturePath);
    const int steps = picture.height() / kPictureScaleStep;
    if (steps > 0) {
        pictureLabel->setFixedWidth(picture.width() / steps);
        pictureLabel->setPixmap(picture);
        pictureLabel->show();
    }

    for (const QString &tool : qAsConst(scenario.tools)) {
        for (const ToolIcon &known : kToolIcons) {
            if (tool.compare(QLatin1String(known.tool), Qt::CaseInsensitive) == 0) {
                toolIcons[known.place]->setPixmap(QPixmap(QLatin1String(known.icon)));
                toolIcons[known.place]->setScaledContents(true);
            }
        }
    }

    toolStrip->move(kToolStripPosition);
    number = scenario.number;
}

void QScenarioFrame::SetSelected()
{
    setStyleSheet(QLatin1String(kSelectedStyle));
    showTextColour(kSelectedTextColour);
}

void QScenarioFrame::SetUnselected()
{
    setStyleSheet(QLatin1String(kUnselectedStyle));
    showTextColour(kTextColour);
}

void QScenarioFrame::showTextColour(const QColor &colour)
{
    const QString sheet = QStringLiteral("color: %1;").arg(colour.name());
    titleLabel->setStyleSheet(sheet);
    authorLabel->setStyleSheet(sheet);
    progressLabel->setStyleSheet(sheet);
}

void QScenarioFrame::SetTitle(const QString &title)
{
    titleLabel->setText(title);
}

QString QScenarioFrame::getName() const
{
    return titleLabel->text();
}

void QScenarioFrame::SetProgress(const QString &progress)
{
    progressLabel->setText(progress);
}

QString QScenarioFrame::progress() const
{
    return progressLabel->text();
}

void QScenarioFrame::on_tickBox_clicked()
{
    const bool ticked = tickBox->isChecked();
    qCDebug(lcCatalogue) << "is checked" << ticked;
    showTick(ticked);
    if (ticked)
        emit checked(number);
    else
        emit unchecked(number);
}

void QScenarioFrame::check()
{
    tickBox->setChecked(true);
    showTick(true);
}

void QScenarioFrame::uncheck()
{
    tickBox->setChecked(false);
    showTick(false);
}

void QScenarioFrame::showTick(bool ticked)
{
    tickBox->setIcon(QIcon(QLatin1String(ticked ? kCheckedIcon : kUncheckedIcon)));
}

bool QScenarioFrame::eventFilter(QObject *object, QEvent *event)
{
    Q_UNUSED(object)
    if (event->type() == QEvent::MouseButtonDblClick) {
        SetSelected();
        emit dblClick(number);
    } else if (tap.endsTap(event)) {
        SetSelected();
        emit selected(number);
    }
    return false;
}
