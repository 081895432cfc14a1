#include "camera/cameraselectdialog.h"

#include <QShowEvent>

#include "camera/camerachoice.h"
#include "camera/cameradetectingthread.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "ui_cameraselectdialog.h"

CameraSelectDialog::CameraSelectDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CameraSelectDialog>())
    , detection(std::make_unique<CameraDetectingThread>())
{
    ui->setupUi(this);
    choice = std::make_unique<CameraChoice>(ui->comboBox, ui->widget, false);
}

CameraSelectDialog::~CameraSelectDialog() = default;

void CameraSelectDialog::showEvent(QShowEvent *event)
{
    ui->selectYourCam->setText(text(TxtSelectCamera, false, false, false, 0));
    ui->nextBtn->setText(text(TxtNext, false, true, false, 0));
    detection->start();
    event->accept();
    connect(
        detection.get(), &CameraDetectingThread::actualCameras, this, &CameraSelectDialog::getActualCameras);
}

void CameraSelectDialog::hideEvent(QHideEvent *event)
{
    detection->exit(0);
    event->accept();
    ClientSessionInfo::stopPreview();
    disconnect(
        detection.get(), &CameraDetectingThread::actualCameras, this, &CameraSelectDialog::getActualCameras);
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
