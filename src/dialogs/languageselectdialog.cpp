#include "dialogs/languageselectdialog.h"

#include "core/languages.h"
#include "ui_languageselectdialog.h"

LanguageSelectDialog::LanguageSelectDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::LanguageSelectDialog>())
{
    ui->setupUi(this);
}

LanguageSelectDialog::~LanguageSelectDialog() = default;

void LanguageSelectDialog::on_nextBtn_clicked()
{
    // The flags are exclusive and one starts checked, so exactly one answers.
    for (const LanguageEntry &entry : kLanguages) {
        const auto *flag
            = findChild<QPushButton *>(QString::fromLatin1(entry.code) + QLatin1String("_label"));
        if (flag && flag->isChecked())
            emit okClicked(entry.language);
    }
}
