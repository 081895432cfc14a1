#include "camera/cameraselectdialog.h"

#include <QShowEvent>

#include "camera/camerachoice.h"
#include "core/apptext.h"
#include "ui_cameraselectdialog.h"

CameraSelectDialog::CameraSelectDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CameraSelectDialog>())
{
    ui->setupUi(this);
    choice = std::make_unique<CameraChoice>(ui->comboBox, ui->widget, false);
}

CameraSelectDialog::~CameraSelectDialog() = default;

void CameraSelectDialog::showEvent(QShowEvent *event)
{
    ui->selectYourCam->setText(text(TxtSelectCamera, false, false, false, 0));
    ui->nextBtn->setText(text(TxtNext, false, true, false, 0));
    choice->followCameras(this, &CameraSelectDialog::getActualCameras);
    event->accept();
}

void CameraSelectDialog::hideEvent(QHideEvent *event)
{
    event->accept();
    choice->stopFollowing();
}

void CameraSelectDialog::getActualCameras(QStringList list)
{
    choice->showCameras(list);
}

void CameraSelectDialog::on_comboBox_activated(int index)
{
    choice->activate(index);
}

void CameraSelectDialog::on_nextBtn_clicked()
{
    emit okClicked(ui->comboBox->currentText(), ui->comboBox->currentIndex());
}
