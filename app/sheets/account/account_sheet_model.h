#pragma once

// AccountSheetModel: the account sheet without its widgets — a new account
// or an existing one as a draft the fields edit as text, which parts of
// the form apply to the chosen kind (credit details for cards and loans,
// interest for savings too), whether the currency may still change, and
// saving through the account writer. A refused save returns the writer's
// message for the sheet to show inline; nothing is written then.
//
// Threading: main thread only.

#include <optional>

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include "base/typed_id.h"
#include "writing/catalog_drafts.h"

namespace tallyra {
class AccountWriter;
class LedgerIndex;
} // namespace tallyra

namespace tallyra::app {

class AccountSheetModel final
{
    Q_DECLARE_TR_FUNCTIONS(AccountSheetModel)

public:
    // id: the account to edit; none for a new one (in the main currency).
    AccountSheetModel(const LedgerIndex* index, AccountWriter& writer, std::optional<AccountId> id,
                      const QLocale& inputLocale);

    [[nodiscard]] bool isNew() const noexcept { return !m_id; }
    [[nodiscard]] QString title() const;
    [[nodiscard]] QString acceptText() const;

    AccountDraft draft;
    // What the account holds, as typed; new accounts only.
    QString balanceText;
    // The day that balance was true at the end of; today by default.
    QDate balanceDate;
    QString limitText;
    QString interestText;
    // 0: not set.
    int statementDay = 0;
    int paymentDay = 0;

    [[nodiscard]] bool showsLimit() const;
    [[nodiscard]] bool showsStatementDay() const;
    [[nodiscard]] bool showsPaymentDay() const;
    [[nodiscard]] bool showsInterest() const;
    // An account with transactions, balance changes or an opening balance
    // keeps its currency.
    [[nodiscard]] bool currencyLocked() const noexcept { return m_currencyLocked; }
    [[nodiscard]] bool hasChanges() const;

    // Writes the account; the message of what was refused, or none.
    [[nodiscard]] std::optional<QString> save();
    [[nodiscard]] const std::optional<AccountId>& savedId() const noexcept { return m_savedId; }

private:
    [[nodiscard]] std::optional<QString> readFields(AccountDraft& out) const;

    AccountWriter& m_writer;
    std::optional<AccountId> m_id;
    std::optional<AccountId> m_savedId;
    QLocale m_locale;
    bool m_currencyLocked = false;
    AccountDraft m_initial;
    QString m_initialBalance;
    QString m_initialLimit;
    QString m_initialInterest;
    int m_initialStatement = 0;
    int m_initialPayment = 0;
};

} // namespace tallyra::app
