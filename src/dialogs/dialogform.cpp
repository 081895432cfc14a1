#include "dialogs/dialogform.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/clientsessioninfo.h"

namespace {
// The host is this much larger than the dialog it shows.
constexpr int kHostMargin = 100;
constexpr QSize kPlaceholderSize(400, 200);
} // namespace

DialogForm::DialogForm(QWidget *parent) : QDialog(parent), placeholder(new QWidget(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    placeholder->setFixedSize(kPlaceholderSize);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(placeholder);
}

void DialogForm::prepareLayout()
{
    hideAll();
    QWidget *active = placeholder;
    show();
    setFixedSize(active->width() + kHostMargin, active->height() + kHostMargin);
    const QRect display = ClientSessionInfo::mainDisplay;
    move((display.width() - width()) / 2, (display.height() - height()) / 2);
    activateDialogWindow();
}

void DialogForm::hideAll()
{
    ClientSessionInfo::HideKeyboard();
    placeholder->hide();
    hide();
}

bool DialogForm::isDialogVisible() const
{
    return isVisible();
}

void DialogForm::activateDialogWindow()
{
    activateWindow();
}

void DialogForm::keyPressEvent(QKeyEvent *event)
{
    // Escape must never close the host: the dialog's buttons decide.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    event->ignore();
}
