#pragma once

// Internal to the store: the stored schema (version 1.0.0) as SQL, its
// creation in a new file and the check of an existing file.
//
// A file belongs to this schema when its metadata table says version
// "1.0.0", its recorded fingerprint is this build's, and the fingerprint of
// the tables and indexes actually in the file matches too. The check only
// reads: a file that fails it is left exactly as it was.

#include <QByteArray>
#include <QList>

namespace tallyra::store_detail {

class Connection;

inline constexpr char kSchemaVersion[] = "1.0.0";
// "Tlyr": lets file-type tools recognise the database as ours.
inline constexpr int kApplicationID = 0x546c7972;

// The CREATE statements, tables first.
[[nodiscard]] const QList<QByteArray>& schemaStatements();

// SHA-256 (hex) over the definitions of every table and index in the
// database, in name order.
[[nodiscard]] QByteArray schemaFingerprint(Connection& connection);
// The fingerprint of a freshly created schema; computed once per process.
[[nodiscard]] const QByteArray& currentSchemaFingerprint();

enum class FileContent : bool
{
    empty,
    current
};

// Reads an existing database through a read-only connection. Empty means
// a database without any table (new). Throws StoreError: notADataFile for
// anything that is not a database of this application, otherVersion for
// one of another schema.
[[nodiscard]] FileContent inspect(Connection& readOnly);

// Creates the schema and its metadata in one transaction.
void createSchema(Connection& connection);

} // namespace tallyra::store_detail
