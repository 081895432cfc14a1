#pragma once

#include <QWidget>
#include <memory>

#include "core/enums.h"

namespace Ui {
class LanguageSelectDialog;
}

// Opens the first run: the user picks the display language by its flag.
class LanguageSelectDialog : public QWidget
{
    Q_OBJECT

public:
    explicit LanguageSelectDialog(QWidget *parent = nullptr);
    ~LanguageSelectDialog() override;

signals:
    void okClicked(Language);

private slots:
    void on_nextBtn_clicked();

private:
    std::unique_ptr<Ui::LanguageSelectDialog> ui;
};
