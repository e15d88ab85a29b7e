#include "writing/undo_failure.h"

#include <QCoreApplication>
#include <QVariant>

#include "store/store_error.h"
#include "writing/catalog_writer.h"
#include "writing/ledger_writer.h"
#include "writing/notification_center.h"

namespace tallyra {

UndoFailure UndoFailure::capture(std::exception_ptr exception, bool isRedo)
{
    std::shared_ptr<const Error> error;
    try {
        std::rethrow_exception(std::move(exception));
    } catch (const StoreError& e) {
        error = std::make_shared<StoreError>(e);
    } catch (const LedgerWriter::WriteError& e) {
        error = std::make_shared<LedgerWriter::WriteError>(e);
    } catch (const CatalogWriter::WriteError& e) {
        error = std::make_shared<CatalogWriter::WriteError>(e);
    } catch (const Error& e) {
        error = std::make_shared<Error>(e);
    } catch (const std::exception& e) {
        error = std::make_shared<Error>(
            QCoreApplication::translate("UndoFailure", "Something went wrong."),
            QString::fromLocal8Bit(e.what()));
    } catch (...) {
        error = std::make_shared<Error>(
            QCoreApplication::translate("UndoFailure", "Something went wrong."));
    }
    return UndoFailure{std::move(error), isRedo};
}

std::optional<UndoFailure> undoFailure(const Notification& notification)
{
    if (notification.name != QString::fromUtf16(kUndoFailureNotification))
        return std::nullopt;
    const QVariant value = notification.userInfo.value(QString::fromUtf16(kUndoFailureKey));
    if (!value.canConvert<UndoFailure>())
        return std::nullopt;
    UndoFailure failure = value.value<UndoFailure>();
    if (!failure.error)
        return std::nullopt;
    return failure;
}

} // namespace tallyra
