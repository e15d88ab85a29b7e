#pragma once

// The people a transaction can name. This platform has no shared address
// book, so Tallyra keeps a small contact list of its own on this computer
// (device-local, under "contacts.list"): each contact an identifier and a
// display name.
//
// The application asks for the list once per installation
// (requestAccess, "contacts.asked"); our own list always grants it, and on
// that first grant it takes in the contact names the ledger already holds,
// so the picker starts with the people the user has paid before.
//
// Errors: none; a stored list that is not readable reads as empty entries
// skipped.
// Threading: main thread only; requestAccess answers on a later turn of
// the event loop, never inside the call.

#include <functional>
#include <memory>
#include <optional>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "settings/settings_backend.h"

namespace tallyra::app {

// A person chosen in the contact field.
struct PickedContact
{
    QString identifier;
    QString name;
    friend bool operator==(const PickedContact&, const PickedContact&) = default;
};

class ContactBook
{
public:
    virtual ~ContactBook() = default;
    // Asks for access; `answer(granted)` runs later on `context`'s thread
    // unless context is gone by then.
    virtual void requestAccess(QObject* context, std::function<void(bool granted)> answer) = 0;
    // Every contact, by name.
    [[nodiscard]] virtual QList<PickedContact> contacts() const = 0;
};

class LocalContactBook final : public ContactBook
{
public:
    static constexpr char kListKey[] = "contacts.list";

    // knownNames: the contact names of the ledger, taken in on the first grant.
    LocalContactBook(std::shared_ptr<SettingsBackend> local,
                     std::function<QStringList()> knownNames = {});

    void requestAccess(QObject* context, std::function<void(bool granted)> answer) override;
    [[nodiscard]] QList<PickedContact> contacts() const override;

    // Adds a person (a name that is empty after trimming adds nobody; a name
    // already in the list, ignoring case, gives that contact).
    std::optional<PickedContact> add(const QString& name);
    void rename(const QString& identifier, const QString& name);
    void remove(const QString& identifier);
    // Contacts whose name contains the text, ignoring case and accents.
    [[nodiscard]] QList<PickedContact> matching(const QString& text) const;

private:
    void store(QList<PickedContact> contacts);

    std::shared_ptr<SettingsBackend> m_local;
    std::function<QStringList()> m_knownNames;
};

} // namespace tallyra::app
