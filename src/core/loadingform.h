#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class LoadingForm;
}
class QMovie;

// A passive screen with an animated loader, shown for a moment while the
// main window finishes a deferred navigation.
class LoadingForm : public QWidget
{
    Q_OBJECT

public:
    explicit LoadingForm(QWidget *parent = nullptr);
    ~LoadingForm() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<Ui::LoadingForm> ui;
    QMovie *loader;
};
