#include "window/screenshots.h"

#include <cstdio>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QThread>

#include "services/app_services.h"
#include "settings/settings_store.h"
#include "shell/app_model.h"
#include "widgets/toast.h"
#include "window/main_window.h"

namespace tallyra::app {

ScreenshotRunner::ScreenshotRunner(MainWindow& window) : m_window(window) {}

void ScreenshotRunner::settle(int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    const LedgerStore& store = m_window.context().services.store();
    // A few rounds even when everything looks idle: layouts, deferred
    // deletes and queued signals need passes of the event loop.
    for (int round = 0; !deadline.hasExpired(); ++round) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (round >= 8 && (store.isLoaded() || store.lastError()) && !store.isBusy() &&
            m_window.isSettled())
            break;
        QThread::msleep(10);
    }
}

QImage ScreenshotRunner::capture() const
{
    QImage image = m_window.grab().toImage();
    // A dialog over the window: every visible top-level dialog, centred
    // over the dimmed window the way a window-modal sheet appears.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(top);
        if (!dialog || !dialog->isVisible())
            continue;
        const QImage sheet = dialog->grab().toImage();
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(0, 0, 0, 70));
        const QPoint at((image.width() - sheet.width()) / 2,
                        std::max(0, (image.height() - sheet.height()) / 2));
        painter.setPen(QPen(m_window.palette().color(QPalette::Mid), 1));
        painter.drawRect(QRect(at, sheet.size()).adjusted(-1, -1, 0, 0));
        painter.drawImage(at, sheet);
    }
    return image;
}

void ScreenshotRunner::reset() const
{
    AppModel& model = m_window.context().model;
    model.dismiss();
    model.dismissError();
    model.clearToast();
    m_window.toast()->dismiss();
    model.setSearchText(QString());
    m_window.refreshStoreFailure();
}

QStringList ScreenshotRunner::run(const QString& folder)
{
    QDir().mkpath(folder);
    QStringList written;
    m_window.show();
    settle();
    for (const Shot& shot : shotTable()) {
        for (const bool dark : {false, true}) {
            if (dark && !shot.dark)
                continue;
            // Through the setting, as the user would: the Appearance row
            // shows the scheme of the picture.
            m_window.context().services.settings().update([dark](AppSettings& settings) {
                settings.appearance =
                    dark ? AppSettings::Appearance::dark : AppSettings::Appearance::light;
            });
            m_window.resize(shot.size.isEmpty() ? kDefaultSize : shot.size);
            reset();
            settle();
            if (!shot.prepare(m_window))
                continue;
            settle();
            const QString name = QString::fromLatin1(shot.name) +
                                 (dark ? QStringLiteral("-dark.png") : QStringLiteral(".png"));
            const QString path = QDir(folder).filePath(name);
            if (capture().save(path))
                written.push_back(path);
            else
                std::fprintf(stderr, "tallyra: couldn’t write %s\n", qPrintable(path));
        }
    }
    reset();
    return written;
}

} // namespace tallyra::app
