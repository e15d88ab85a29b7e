#pragma once

// The name the profile row shows: the full name of the system account
// running the window (the first field of its GECOS entry), falling back to
// the login name when the account has none.
//
// Thread safety: systemUserName() reads the password database (getpwuid_r)
// and may be called from any thread; displayName() is pure.

#include <QString>

namespace tallyra::app {

// The full name from a GECOS field ("Olena Kovalenko,Room 4,,"), else the
// login; "&" in the GECOS name stands for the login capitalised, as finger
// and other tools read it.
[[nodiscard]] QString displayName(const QString& gecos, const QString& login);

[[nodiscard]] QString systemUserName();

} // namespace tallyra::app
