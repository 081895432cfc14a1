#include "core/loadingform.h"

#include <QMovie>
#include <QShowEvent>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "ui_loadingform.h"

LoadingForm::LoadingForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::LoadingForm>())
    , loader(new QMovie(QStringLiteral(":/graphics/application_layout/loader.gif"), QByteArray(), this))
{
    ui->setupUi(this);
    ui->label->setMovie(loader);
    loader->start();
}

LoadingForm::~LoadingForm() = default;

void LoadingForm::showEvent(QShowEvent *event)
{
    ClientSessionInfo::actualForm = this;
    ui->loading->setText(text(TxtLoading, false, false, false, 0));
    qCDebug(lcCore) << "loading show event";
    event->accept();
}

void LoadingForm::hideEvent(QHideEvent *event)
{
    qCDebug(lcCore) << "loading hide event";
    QWidget::hideEvent(event);
}
