#include "dialogs/infodialog.h"

#include <QShowEvent>

#include "ui_infodialog.h"

InfoDialog::InfoDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::InfoDialog>())
{
    ui->setupUi(this);
}

InfoDialog::~InfoDialog() = default;

void InfoDialog::setup(const QString &text, const QString &button)
{
    ui->label->setText(text);
    ui->pushButton->setText(button);
}

void InfoDialog::on_pushButton_clicked()
{
    emit okClicked();
}

void InfoDialog::showEvent(QShowEvent *event)
{
    event->accept();
}
