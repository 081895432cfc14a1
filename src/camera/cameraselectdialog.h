#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class CameraSelectDialog;
}
class CameraChoice;

// The first run's camera step: the detected cameras with a live preview.
class CameraSelectDialog : public QWidget
{
    Q_OBJECT

public:
    explicit CameraSelectDialog(QWidget *parent = nullptr);
    ~CameraSelectDialog() override;

signals:
    void okClicked(QString, int);

private slots:
    void on_comboBox_activated(int index);
    void on_nextBtn_clicked();
    void getActualCameras(QStringList list);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<Ui::CameraSelectDialog> ui;
    std::unique_ptr<CameraChoice> choice;
};
