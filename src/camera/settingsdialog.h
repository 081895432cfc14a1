#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SettingsDialog;
}
class BandCheckView;
class CameraChoice;
class QPushButton;

// The camera settings opened from the menu: camera choice with a live
// preview, the camera's image settings and the display language. Beside
// BACK, CHECK BANDS puts the check of the instruments' bands in the
// preview's place until it is pressed again.
class SettingsDialog : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *parent = nullptr);
    ~SettingsDialog() override;

    void translate();

signals:
    void okClicked();
    void language(QString);

private slots:
    void on_cameraList_activated(int index);
    void on_comboBox_activated(const QString &code);
    void on_pushButton_clicked();
    void on_brightness_valueChanged(int value);
    void on_contrast_valueChanged(int value);
    void on_saturation_valueChanged(int value);
    void on_whitebalance_valueChanged(int value);
    void on_brightDefaultBtn_clicked();
    void on_contrDefaultBtn_clicked();
    void on_satDefaultBtn_clicked();
    void on_autowb_clicked(bool checked);
    void getActualCameras(QStringList list);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The image settings are offered while the camera in use takes them.
    void updateImagePanel();
    void showBandCheck(bool shown);

    std::unique_ptr<Ui::SettingsDialog> ui;
    std::unique_ptr<CameraChoice> choice;
    BandCheckView *bandCheck;
    QPushButton *bandCheckButton;
};
