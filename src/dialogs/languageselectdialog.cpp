#include "dialogs/languageselectdialog.h"

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
    const std::pair<QPushButton *, Language> flags[] = {
        { ui->pl_label, LangPolish },
        { ui->en_label, LangEnglish },
        { ui->de_label, LangGerman },
        { ui->ru_label, LangRussian },
        { ui->pt_label, LangPortuguese },
        { ui->cn_label, LangChinese },
        { ui->es_label, LangSpanish },
        { ui->fr_label, LangFrench },
        { ui->jp_label, LangJapanese },
        { ui->it_label, LangItalian },
    };
    for (const auto &[button, language] : flags) {
        if (button->isChecked())
            emit okClicked(language);
    }
}
