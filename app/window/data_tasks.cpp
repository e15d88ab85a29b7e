#include "window/data_tasks.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include "base/error.h"
#include "services/app_services.h"
#include "services/store_backup.h"
#include "shell/app_model.h"
#include "window/window_context.h"

namespace tallyra::app {

DataTasks::DataTasks(WindowContext& context, QWidget* window)
    : QObject(window), m_context(context), m_window(window)
{
    connect(&m_context.model, &AppModel::exportDocumentChanged, this, &DataTasks::exportRequested);
    connect(&m_context.model, &AppModel::isChoosingBackupFolderChanged, this,
            [this](bool choosing) {
                if (choosing)
                    backupRequested();
            });
    connect(&m_work, &QFutureWatcher<Outcome>::finished, this, [this] {
        const Outcome outcome = m_work.result();
        if (outcome.failureTitle.isEmpty())
            m_context.model.showToast(outcome.message);
        else
            m_context.model.reportError(outcome.message, outcome.failureTitle);
        emit finished();
    });
}

bool DataTasks::isBusy() const
{
    return m_work.isRunning();
}

QString DataTasks::exportFileName(const QDate& day)
{
    return tr("Tallyra Transactions %1.csv").arg(day.toString(Qt::ISODate));
}

void DataTasks::choose(Choice choice, std::function<void(const QString&)> done)
{
    if (m_chooser) {
        m_chooser(choice, std::move(done));
        return;
    }
    auto* dialog = new QFileDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (choice == Choice::exportFile) {
        dialog->setWindowTitle(tr("Export Transactions"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setNameFilter(tr("CSV files (*.csv)"));
        dialog->setDefaultSuffix(QStringLiteral("csv"));
        dialog->setDirectory(documents);
        dialog->selectFile(exportFileName(m_context.services.today()));
        dialog->setLabelText(QFileDialog::Accept, tr("Export"));
    } else {
        dialog->setWindowTitle(tr("Choose where to keep the backup"));
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setDirectory(documents);
        dialog->setLabelText(QFileDialog::Accept, tr("Back Up Here"));
    }
    connect(dialog, &QFileDialog::fileSelected, this, [done](const QString& path) { done(path); });
    connect(dialog, &QFileDialog::rejected, this, [done] { done(QString()); });
    dialog->open();
}

void DataTasks::exportRequested()
{
    const auto& document = m_context.model.exportDocument();
    if (!document)
        return;
    const QString csv = *document;
    choose(Choice::exportFile, [this, csv](const QString& path) {
        m_context.model.setExportDocument(std::nullopt);
        if (!path.isEmpty())
            writeExport(path, csv);
    });
}

void DataTasks::writeExport(const QString& path, const QString& csv)
{
    m_work.setFuture(QtConcurrent::run([path, csv]() -> Outcome {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv.toUtf8()) < 0 || !file.commit())
            return {tr("The file couldn’t be written. Check that the folder exists and that you "
                       "may write to it."),
                    tr("Couldn’t Export")};
        return {tr("Exported the transactions to %1").arg(QFileInfo(path).fileName()), {}};
    }));
}

void DataTasks::backupRequested()
{
    choose(Choice::backupFolder, [this](const QString& folder) {
        m_context.model.setChoosingBackupFolder(false);
        if (!folder.isEmpty())
            runBackup(folder);
    });
}

void DataTasks::runBackup(const QString& folder)
{
    const std::optional<QString> file = m_context.services.store().container().fileLocation();
    const QDateTime now = m_context.services.clock().now();
    const QTimeZone zone = m_context.services.zone();
    m_work.setFuture(QtConcurrent::run([file, folder, now, zone]() -> Outcome {
        const QString title = tr("Couldn’t Back Up");
        if (!file)
            return {StoreBackup::Failure::noStore().userMessage(), title};
        try {
            const QString made = StoreBackup::backup(*file, folder, now, zone);
            return {tr("Backed up to “%1”").arg(QFileInfo(made).fileName()), {}};
        } catch (const Error& error) {
            return {error.userMessage(), title};
        }
    }));
}

} // namespace tallyra::app
