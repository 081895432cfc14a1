#include "camera/settingsdialog.h"

#include <QCamera>
#include <QCameraImageProcessing>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>

#include "camera/bandcheckview.h"
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

    // The check takes the preview's place and size while it runs.
    bandCheck = new BandCheckView(this);
    bandCheck->setObjectName(QStringLiteral("bandCheck"));
    bandCheck->setSizePolicy(ui->widget->sizePolicy());
    bandCheck->setMinimumSize(ui->widget->minimumSize());
    bandCheck->hide();
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->widget) + 1, bandCheck);
    bandCheckButton = new QPushButton(this);
    bandCheckButton->setObjectName(QStringLiteral("bandCheckButton"));
    bandCheckButton->setCheckable(true);
    bandCheckButton->setFocusPolicy(Qt::NoFocus);
    bandCheckButton->setFixedSize(ui->pushButton->minimumSize());
    bandCheckButton->setFont(ui->pushButton->font());
    connect(bandCheckButton, &QPushButton::toggled, this, &SettingsDialog::showBandCheck);
    auto *buttons = new QHBoxLayout;
    const int backIndex = ui->verticalLayout->indexOf(ui->pushButton);
    delete ui->verticalLayout->takeAt(backIndex);
    buttons->addStretch();
    buttons->addWidget(ui->pushButton);
    buttons->addWidget(bandCheckButton);
    buttons->addStretch();
    ui->verticalLayout->insertLayout(backIndex, buttons);

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
    bandCheckButton->setChecked(false);
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
    bandCheckButton->setText(bandCheckButton->isChecked() ? tr("END CHECK") : tr("CHECK BANDS"));
    bandCheck->translate();
}

void SettingsDialog::showBandCheck(bool shown)
{
    const bool previewing = ClientSessionInfo::IsPreviewingCamera() && ClientSessionInfo::camera;
    bandCheck->watch(shown && previewing ? ClientSessionInfo::camera->currentDevice() : nullptr);
    ui->widget->setVisible(!shown);
    bandCheck->setVisible(shown);
    translate();
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
    // Another camera is checked from its first picture on.
    if (bandCheckButton->isChecked())
        showBandCheck(true);
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
