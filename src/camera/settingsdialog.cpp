#include "camera/settingsdialog.h"

#include <QCamera>
#include <QCameraImageProcessing>
#include <QShowEvent>

#include "camera/camera.h"
#include "camera/camerachoice.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/languages.h"
#include "core/logging.h"
#include "ui_settingsdialog.h"

namespace {

void setToMiddle(QSlider *slider)
{
    slider->setValue(slider->maximum() / 2 + slider->minimum() / 2);
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::SettingsDialog>())
{
    ui->setupUi(this);
    choice = std::make_unique<CameraChoice>(ui->cameraList, ui->widget, true);
    for (const LanguageEntry &entry : kLanguages)
        ui->comboBox->addItem(QIcon(QLatin1String(entry.flag)), QLatin1String(entry.displayName));
    // Shown once a camera that takes image settings is in use.
    ui->frame_3->hide();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::showEvent(QShowEvent *event)
{
    qCDebug(lcCamera) << "actual selected camera" << ClientSessionInfo::selectedCamera;
    choice->followCameras(this, &SettingsDialog::getActualCameras);
    ui->autowb->setChecked(true);
    ClientSessionInfo::camera->setAutomaticWhiteBalance(true);
    ui->whitebalance->setEnabled(false);
    const int current = ui->comboBox->findText(
        ClientSessionInfo::getLanguageString().toUpper(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (current >= 0)
        ui->comboBox->setCurrentIndex(current);
    translate();
    event->accept();
}

void SettingsDialog::hideEvent(QHideEvent *event)
{
    choice->stopFollowing();
    event->accept();
}

void SettingsDialog::translate()
{
    const QString byDefault = text(TxtDefault, false, true, false, 0);
    ui->brightDefaultBtn->setText(byDefault);
    ui->contrDefaultBtn->setText(byDefault);
    ui->satDefaultBtn->setText(byDefault);
    ui->autowb->setText(text(TxtAuto, false, true, false, 0));
    ui->wb->setText(text(TxtWhiteBalance, false, false, false, 0));
    ui->satur->setText(text(TxtSaturation, false, false, false, 0));
    ui->contr->setText(text(TxtContrast, false, false, false, 0));
    ui->bright->setText(text(TxtBrightness, false, false, false, 0));
    ui->selectCam->setText(text(TxtSelectCamera, false, false, false, 0) + QLatin1Char(':'));
    ui->lang->setText(text(TxtLanguage, false, false, false, 0) + QLatin1Char(':'));
    ui->pushButton->setText(text(TxtBack, false, true, false, 0));
}

void SettingsDialog::getActualCameras(QStringList list)
{
    choice->showCameras(list);
    updateImagePanel();
}

void SettingsDialog::on_cameraList_activated(int index)
{
    choice->activate(index);
    updateImagePanel();
}

void SettingsDialog::updateImagePanel()
{
    const QCamera *device = ClientSessionInfo::IsPreviewingCamera() && ClientSessionInfo::camera
        ? ClientSessionInfo::camera->currentDevice()
        : nullptr;
    ui->frame_3->setVisible(device && device->imageProcessing()->isAvailable());
}

void SettingsDialog::on_comboBox_activated(const QString &code)
{
    if (User *user = ClientSessionInfo::actualUser()) {
        user->userLanguage = ClientSessionInfo::languageFromString(code);
        ClientSessionInfo::updateActualUser();
    }
    emit language(code);
    translate();
}

void SettingsDialog::on_pushButton_clicked()
{
    emit okClicked();
}

void SettingsDialog::on_brightness_valueChanged(int value)
{
    ClientSessionInfo::camera->setCameraProp(PropBrightness, value);
}

void SettingsDialog::on_contrast_valueChanged(int value)
{
    ClientSessionInfo::camera->setCameraProp(PropContrast, value);
}

void SettingsDialog::on_saturation_valueChanged(int value)
{
    ClientSessionInfo::camera->setCameraProp(PropSaturation, value);
}

void SettingsDialog::on_whitebalance_valueChanged(int value)
{
    ClientSessionInfo::camera->setCameraProp(PropWhiteBalance, value);
}

void SettingsDialog::on_brightDefaultBtn_clicked()
{
    setToMiddle(ui->brightness);
}

void SettingsDialog::on_contrDefaultBtn_clicked()
{
    setToMiddle(ui->contrast);
}

void SettingsDialog::on_satDefaultBtn_clicked()
{
    setToMiddle(ui->saturation);
}

void SettingsDialog::on_autowb_clicked(bool checked)
{
    ClientSessionInfo::camera->setAutomaticWhiteBalance(checked);
    ui->whitebalance->setEnabled(!checked);
}
