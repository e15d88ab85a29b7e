#include "contact_book.h"

#include <algorithm>

#include <QCollator>
#include <QTimer>
#include <QUuid>
#include <QVariantMap>

#include "money/search_text.h"

namespace tallyra::app {

namespace {

const QString kIdentifierKey = QStringLiteral("identifier");
const QString kNameKey = QStringLiteral("name");

} // namespace

LocalContactBook::LocalContactBook(std::shared_ptr<SettingsBackend> local,
                                   std::function<QStringList()> knownNames)
    : m_local(std::move(local)), m_knownNames(std::move(knownNames))
{
}

void LocalContactBook::requestAccess(QObject* context, std::function<void(bool)> answer)
{
    QTimer::singleShot(0, context, [this, answer = std::move(answer)] {
        if (m_knownNames)
            for (const QString& name : m_knownNames())
                add(name);
        answer(true);
    });
}

QList<PickedContact> LocalContactBook::contacts() const
{
    QList<PickedContact> list;
    const auto stored = m_local->value(QString::fromLatin1(kListKey));
    if (!stored)
        return list;
    for (const QVariant& item : stored->toList()) {
        const QVariantMap map = item.toMap();
        PickedContact contact{map.value(kIdentifierKey).toString(),
                              map.value(kNameKey).toString().trimmed()};
        if (!contact.identifier.isEmpty() && !contact.name.isEmpty())
            list.append(std::move(contact));
    }
    return list;
}

void LocalContactBook::store(QList<PickedContact> contacts)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(contacts.begin(), contacts.end(), [&](const auto& a, const auto& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    QVariantList list;
    for (const PickedContact& contact : contacts)
        list.append(QVariantMap{{kIdentifierKey, contact.identifier}, {kNameKey, contact.name}});
    m_local->setValue(QString::fromLatin1(kListKey), QVariant(list));
}

std::optional<PickedContact> LocalContactBook::add(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QList<PickedContact> list = contacts();
    for (const PickedContact& contact : list)
        if (contact.name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return contact;
    PickedContact made{QUuid::createUuid().toString(QUuid::WithoutBraces), trimmed};
    list.append(made);
    store(std::move(list));
    return made;
}

void LocalContactBook::rename(const QString& identifier, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return;
    QList<PickedContact> list = contacts();
    for (PickedContact& contact : list)
        if (contact.identifier == identifier)
            contact.name = trimmed;
    store(std::move(list));
}

void LocalContactBook::remove(const QString& identifier)
{
    QList<PickedContact> list = contacts();
    list.removeIf([&](const PickedContact& c) { return c.identifier == identifier; });
    store(std::move(list));
}

QList<PickedContact> LocalContactBook::matching(const QString& text) const
{
    QList<PickedContact> found;
    const SearchText::Query query(text.trimmed());
    for (const PickedContact& contact : contacts())
        if (query.text.isEmpty() || SearchText::matches(contact.name, query))
            found.append(contact);
    return found;
}

} // namespace tallyra::app
