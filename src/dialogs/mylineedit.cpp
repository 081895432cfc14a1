#include "dialogs/mylineedit.h"

#include <QEvent>
#include <QRegularExpressionValidator>

#include "core/clientsessioninfo.h"

namespace {
// Digits only: an integer validator would also let through a sign and the
// locale's group separator ("+123", "1,23"), which would then be stored as
// a PIN that no keypad can type.
constexpr auto kPinPattern = "[0-9]{0,4}";
constexpr int kPinLength = 4;
} // namespace

MyLineEdit::MyLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    installEventFilter(this);
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void MyLineEdit::makePinField()
{
    setMaxLength(kPinLength);
    setEchoMode(QLineEdit::Password);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QLatin1String(kPinPattern)), this));
}

bool MyLineEdit::eventFilter(QObject *object, QEvent *event)
{
    if (object == this && event->type() == QEvent::TouchBegin && isVisible())
        ClientSessionInfo::ShowKeyboard();
    return QLineEdit::eventFilter(object, event);
}
