#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class WriteLocationDialog;
}

// Asks for the data location, the folder that will hold the accounts and
// the recorded trainings.
class WriteLocationDialog : public QWidget
{
    Q_OBJECT

public:
    explicit WriteLocationDialog(QWidget *parent = nullptr);
    ~WriteLocationDialog() override;

    // The folder offered before the user picks one.
    static QString defaultLocation();

signals:
    void okClicked(QString);

private slots:
    void on_nextBtn_clicked();
    void on_dirBtn_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::WriteLocationDialog> ui;
};
