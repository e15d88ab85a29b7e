#pragma once

// StoreError: every failure of the persistent store — opening, reading,
// writing, saving. The user message is short and says what happened in
// the user's terms; the detail (for the log) holds the engine's message,
// the operation and the file.
//
// Thread safety: a plain value; any thread.

#include <cstdint>

#include "base/error.h"

namespace tallyra {

class StoreError final : public Error
{
public:
    enum class Code : std::uint8_t
    {
        cannotOpen,   // the file or its folder can't be opened or created
        notADataFile, // not a database, or a database of some other program
        otherVersion, // a data file of another schema version
        readFailed,
        writeFailed,
        diskFull,
        busy, // another connection held the file for too long
        readOnly,
        notFound,      // the object to change no longer exists
        pictureFailed, // a picture file couldn't be written
    };

    // An error with the standard message of its code.
    explicit StoreError(Code code, QString detail = {});
    StoreError(Code code, QString userMessage, QString detail);

    [[nodiscard]] Code code() const noexcept { return m_code; }

    // The text shown for a code ("This data file was made by a different
    // version of Tallyra and can’t be opened."), translated.
    [[nodiscard]] static QString standardMessage(Code code);

private:
    Code m_code;
};

} // namespace tallyra
