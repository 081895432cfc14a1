#pragma once

#include <QWidget>

#include "core/enums.h"

class QPushButton;

// Screens whose real content has not been built yet. Each one takes part in
// navigation like a real screen: it records itself as the current screen in
// its show event and offers the requests a screen sends to the main window.
// Its BACK button leads to the menu, so that a full-screen kiosk never ends
// up on a screen without a way out.
class PlaceholderScreen : public QWidget
{
    Q_OBJECT

public:
    PlaceholderScreen(const QString &title, FormEnum anchor, QWidget *parent);

signals:
    void ShowNextForm(FormEnum);
    void ShowDialogForm(DialogOpt);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QPushButton *back;
    // The anchor screen recorded in whereIAM.
    FormEnum anchor;
};

class ChooseTrainingForm : public PlaceholderScreen
{
    Q_OBJECT
public:
    explicit ChooseTrainingForm(QWidget *parent);
};
