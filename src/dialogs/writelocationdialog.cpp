#include "dialogs/writelocationdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "ui_writelocationdialog.h"

namespace {

// Creates the folder if needed and proves that a file can be written in it,
// so that the first run never goes on with a location it cannot use.
bool isWritableFolder(const QString &path)
{
    if (path.isEmpty() || !QDir().mkpath(path))
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".kavrin-write-check-XXXXXX")));
    return probe.open() && probe.write("ok", 2) == 2 && probe.flush();
}

} // namespace

WriteLocationDialog::WriteLocationDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::WriteLocationDialog>())
{
    ui->setupUi(this);
    ui->errorLabel->hide();
}

WriteLocationDialog::~WriteLocationDialog() = default;

QString WriteLocationDialog::defaultLocation()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("C:/");
#else
    // "C:/" means nothing here; the documents folder is absolute and the
    // user's own.
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
#endif
}

void WriteLocationDialog::showEvent(QShowEvent *event)
{
    ui->label_2->setText(defaultLocation());
    ui->selectDir->setText(text(TxtSelectRecordingLocation, false, false, false, 0));
    ui->nextBtn->setText(text(TxtNext, false, true, false, 0));
    ui->errorLabel->hide();
    event->accept();
}

void WriteLocationDialog::on_dirBtn_clicked()
{
    const QString folder
        = QFileDialog::getExistingDirectory(this, text(TxtSelectLocation, false, false, false, 0),
            ClientSessionInfo::recordingUserPath, QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty()) {
        ui->label_2->setText(folder);
        ui->errorLabel->hide();
    }
}

void WriteLocationDialog::on_nextBtn_clicked()
{
    const QString location = ui->label_2->text();
    if (!isWritableFolder(location)) {
        ui->errorLabel->setText(tr("This folder cannot be written. Please choose another one."));
        ui->errorLabel->show();
        return;
    }
    ui->errorLabel->hide();
    emit okClicked(location);
}
