#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class InfoDialog;
}

// A message with one button.
class InfoDialog : public QWidget
{
    Q_OBJECT

public:
    explicit InfoDialog(QWidget *parent = nullptr);
    ~InfoDialog() override;

    void setup(const QString &text, const QString &button);

signals:
    void okClicked();

private slots:
    void on_pushButton_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::InfoDialog> ui;
};
