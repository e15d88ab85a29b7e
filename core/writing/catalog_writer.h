#pragma once

// CatalogWriter: changes everything that is not a transaction, through one
// writer per family — the category tree (categories()), accounts and their
// balance changes (accounts()), budgets and goals (plans()). The category
// and account writes share one write frame and one undo target: every
// check first, then one save and one undo step with its action name; plan
// writes save at once without an undo step.
//
// Errors: WriteError (CatalogWriteError) with its user-facing message;
// StoreError from the store, after which the context is rolled back and
// nothing changed.
// Threading: main thread only; not re-entrant.

#include <QTimeZone>

#include "writing/account_writer.h"
#include "writing/catalog_write_error.h"
#include "writing/category_writer.h"
#include "writing/plan_writer.h"
#include "writing/write_calendar.h"
#include "writing/write_frame.h"
#include "writing/write_undo.h"

namespace tallyra {

class NotificationCenter;
class StoreContext;

class CatalogWriter final
{
public:
    using WriteError = CatalogWriteError;

    // zone: the calendar of every "today" decision; "now" is the store's
    // clock. notifications may be null.
    explicit CatalogWriter(StoreContext& context, QTimeZone zone = QTimeZone::systemTimeZone(),
                           NotificationCenter* notifications = nullptr);
    CatalogWriter(const CatalogWriter&) = delete;
    CatalogWriter& operator=(const CatalogWriter&) = delete;

    [[nodiscard]] StoreContext& context() const noexcept { return m_undo.context(); }
    [[nodiscard]] WriteUndo& undo() noexcept { return m_undo; }

    [[nodiscard]] CategoryWriter& categories() noexcept { return m_categories; }
    [[nodiscard]] AccountWriter& accounts() noexcept { return m_accounts; }
    [[nodiscard]] PlanWriter& plans() noexcept { return m_plans; }

private:
    WriteUndo m_undo;
    WriteFrame m_frame;
    CategoryWriter m_categories;
    AccountWriter m_accounts;
    PlanWriter m_plans;
};

} // namespace tallyra
