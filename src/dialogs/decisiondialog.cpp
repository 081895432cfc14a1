#include "dialogs/decisiondialog.h"

#include <QShowEvent>

#include "ui_decisiondialog.h"

DecisionDialog::DecisionDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DecisionDialog>())
{
    ui->setupUi(this);
}

DecisionDialog::~DecisionDialog() = default;

void DecisionDialog::setup(const QString &text, const QString &left, const QString &right)
{
    ui->text->setText(text);
    ui->leftBtn->setText(left);
    ui->rightBtn->setText(right);
}

void DecisionDialog::on_rightBtn_clicked()
{
    emit rightButtonClicked();
}

void DecisionDialog::on_leftBtn_clicked()
{
    emit leftButtonClicked();
}

void DecisionDialog::showEvent(QShowEvent *event)
{
    event->accept();
}
