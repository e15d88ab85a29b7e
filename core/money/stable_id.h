#pragma once

// StableID: identifiers derived from a name, so that records created
// independently on several devices (the starter categories, the sample
// data) get the same identifier everywhere and are recognised as the same
// record once the cloud merges the databases.
//
// The identifier is the first 16 bytes of SHA-256 over the UTF-8 of
// nameSpace + ":" + key, with the version nibble set to 5 and the RFC 4122
// variant bits set to 10. It depends on the two texts byte for byte: no
// normalisation, no case folding. Only the joined text counts, so
// ("a:b", "c") and ("a", "b:c") give the same identifier: namespaces never
// contain ":". Changing the scheme would split every existing user's
// starter records in two, so it never changes.
//
// Thread safety: pure; any thread.
//
// Example:
//   StableID::make(u"category", u"food") // the same QUuid on every device

#include <QStringView>
#include <QUuid>

namespace tallyra::StableID {

[[nodiscard]] QUuid make(QStringView nameSpace, QStringView key);

} // namespace tallyra::StableID
