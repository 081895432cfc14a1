#pragma once

#include <QDialog>

#include "core/enums.h"

// The overlay window that shows one dialog at a time over the blurred
// current screen, sized around it and centred on the main display.
class DialogForm : public QDialog
{
    Q_OBJECT

public:
    explicit DialogForm(QWidget *parent = nullptr);

    DialogOpt dialogOpt = DialogNone;

    void prepareLayout();
    void hideAll();
    bool isDialogVisible() const;
    void activateDialogWindow();

signals:
    void hideDialog();
    void languageChanged(QString);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *placeholder;
};
