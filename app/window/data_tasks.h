#pragma once

// DataTasks: the file work the File menu and the Settings screen start:
// saving the CSV export (the application model's exportDocument) with a
// save dialog, and a dated backup of the database into a folder chosen in
// a folder dialog ("Choose where to keep the backup"). The writing and the
// copy run on a worker thread; the window stays responsive and the result
// comes back as a toast, or as the alert "Couldn’t Export" / "Couldn’t
// Back Up" with the reason.
//
// The dialogs are window-modal and never block; tests replace them with a
// chooser that answers at once (setChooser).
//
// Threading: main thread only; the file work runs on the global pool.

#include <functional>

#include <QDate>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

class QWidget;

namespace tallyra::app {

struct WindowContext;

class DataTasks final : public QObject
{
    Q_OBJECT

public:
    enum class Choice
    {
        exportFile,
        backupFolder,
    };
    // Answers a choice with a path; an empty path cancels.
    using Chooser = std::function<void(Choice, std::function<void(const QString&)>)>;

    DataTasks(WindowContext& context, QWidget* window);

    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    [[nodiscard]] bool isBusy() const;

    // The suggested file name of an export ("Tallyra Transactions 2026-12-10.csv").
    [[nodiscard]] static QString exportFileName(const QDate& day);

signals:
    void finished();

private:
    void exportRequested();
    void backupRequested();
    void choose(Choice choice, std::function<void(const QString&)> done);
    void writeExport(const QString& path, const QString& csv);
    void runBackup(const QString& folder);

    // What a finished task shows: a toast, or an alert when it has a title.
    struct Outcome
    {
        QString message;
        QString failureTitle;
    };

    WindowContext& m_context;
    QWidget* m_window;
    Chooser m_chooser;
    QFutureWatcher<Outcome> m_work;
};

} // namespace tallyra::app
