#include "model/entry.h"

#include "model/record_hash.h"

namespace tallyra {

struct EntryTexts::Data : QSharedData
{
    QString note;
    QStringList tags;
    std::optional<QString> contactName;
    std::optional<QString> contactIdentifier;

    [[nodiscard]] bool isEmpty() const
    {
        return note.isEmpty() && tags.isEmpty() && !contactName && !contactIdentifier;
    }
};

const EntryTexts::Data& EntryTexts::none()
{
    static const Data empty;
    return empty;
}

EntryTexts::EntryTexts() = default;
EntryTexts::EntryTexts(const EntryTexts& other) = default;
EntryTexts::EntryTexts(EntryTexts&& other) noexcept = default;
EntryTexts& EntryTexts::operator=(const EntryTexts& other) = default;
EntryTexts& EntryTexts::operator=(EntryTexts&& other) noexcept = default;
EntryTexts::~EntryTexts() = default;

const QString& EntryTexts::note() const
{
    return d.constData() != nullptr ? d.constData()->note : none().note;
}

const QStringList& EntryTexts::tags() const
{
    return d.constData() != nullptr ? d.constData()->tags : none().tags;
}

const std::optional<QString>& EntryTexts::contactName() const
{
    return d.constData() != nullptr ? d.constData()->contactName : none().contactName;
}

const std::optional<QString>& EntryTexts::contactIdentifier() const
{
    return d.constData() != nullptr ? d.constData()->contactIdentifier : none().contactIdentifier;
}

EntryTexts::Data& EntryTexts::edit()
{
    if (d.constData() == nullptr)
        d = new Data;
    return *d; // detaches a shared block
}

void EntryTexts::dropIfEmpty()
{
    if (d.constData() != nullptr && d.constData()->isEmpty())
        d.reset();
}

void EntryTexts::setNote(QString note)
{
    if (note.isEmpty() && d.constData() == nullptr)
        return;
    edit().note = std::move(note);
    dropIfEmpty();
}

void EntryTexts::setTags(QStringList tags)
{
    if (tags.isEmpty() && d.constData() == nullptr)
        return;
    edit().tags = std::move(tags);
    dropIfEmpty();
}

void EntryTexts::setContactName(std::optional<QString> name)
{
    if (!name && d.constData() == nullptr)
        return;
    edit().contactName = std::move(name);
    dropIfEmpty();
}

void EntryTexts::setContactIdentifier(std::optional<QString> identifier)
{
    if (!identifier && d.constData() == nullptr)
        return;
    edit().contactIdentifier = std::move(identifier);
    dropIfEmpty();
}

bool operator==(const EntryTexts& a, const EntryTexts& b)
{
    if (a.d.constData() == b.d.constData())
        return true;
    return a.note() == b.note() && a.tags() == b.tags() && a.contactName() == b.contactName() &&
           a.contactIdentifier() == b.contactIdentifier();
}

// Every byte of an Entry is a field: a new field must find a place that
// keeps it so (see the layout note in the header).
static_assert(sizeof(Entry) == sizeof(QDateTime) + sizeof(Money) + sizeof(std::optional<Money>) +
                                   sizeof(QString) + sizeof(EntryId) +
                                   3 * sizeof(std::optional<AccountId>) + 4 * sizeof(bool) +
                                   sizeof(EntryTexts));

size_t qHash(const Entry& e, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(e.id)
        .add(e.date)
        .add(e.hasTime)
        .add(e.kind)
        .add(e.amount)
        .add(e.toAmount)
        .add(e.payee)
        .add(e.note())
        .add(e.tags())
        .add(e.cleared)
        .add(e.hasReceipt)
        .add(e.contactName())
        .add(e.accountID)
        .add(e.toAccountID)
        .add(e.categoryID)
        .add(e.contactIdentifier())
        .result();
}

} // namespace tallyra
