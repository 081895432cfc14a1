#include "core/noticebar.h"

#include <QEvent>

namespace {

// Long enough to read two lines at arm's length.
constexpr int kShownMs = 10000;
constexpr int kHeight = 64;
constexpr auto kStyle = "background: rgba(150,40,40,230); color: rgb(240,240,240); font: 15pt \"Corbel\"; "
                        "padding-left: 24px; padding-right: 24px;";

} // namespace

NoticeBar::NoticeBar(QWidget *window)
    : QLabel(window)
{
    setObjectName(QStringLiteral("noticeBar"));
    setStyleSheet(QLatin1String(kStyle));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    hide();
    shownFor.setSingleShot(true);
    shownFor.setInterval(kShownMs);
    connect(&shownFor, &QTimer::timeout, this, &QWidget::hide);
}

void NoticeBar::tell(const QString &text)
{
    setText(text);
    placeOnTop();
    show();
    raise();
    shownFor.start();
}

// A tap on the line puts it away.
void NoticeBar::mousePressEvent(QMouseEvent *event)
{
    hide();
    QLabel::mousePressEvent(event);
}

void NoticeBar::placeOnTop()
{
    setGeometry(0, 0, parentWidget()->width(), kHeight);
}
