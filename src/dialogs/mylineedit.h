#pragma once

#include <QLineEdit>

// The text field of the login screen and the user dialog: a touch on it
// asks for the on-screen keyboard.
class MyLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MyLineEdit(QWidget *parent = nullptr);

    // Turns the field into a PIN field: at most four decimal digits, shown
    // as dots.
    void makePinField();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
};
