#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class DecisionDialog;
}

// A question with two answers; the confirming button stands on the left.
class DecisionDialog : public QWidget
{
    Q_OBJECT

public:
    explicit DecisionDialog(QWidget *parent = nullptr);
    ~DecisionDialog() override;

    void setup(const QString &text, const QString &left, const QString &right);

signals:
    void leftButtonClicked();
    void rightButtonClicked();

private slots:
    void on_rightBtn_clicked();
    void on_leftBtn_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DecisionDialog> ui;
};
