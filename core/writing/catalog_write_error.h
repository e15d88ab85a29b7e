#pragma once

// CatalogWriteError: why a catalog write was refused, with its user-facing
// message (CatalogWriter::WriteError). Every check runs before anything is
// changed, so a write that throws it changed nothing.

#include <cstdint>

#include <QString>

#include "base/error.h"

namespace tallyra {

class CatalogWriteError final : public Error
{
public:
    enum class Code : std::uint8_t
    {
        emptyName,
        notFound,
        tooDeep,
        cycle,
        invalid,
        currencyMismatch,
        currencyLocked,
        kindLocked,
        duplicateAccountName,
        duplicateCategoryName,
        unknownCurrency,
    };

    explicit CatalogWriteError(Code code);

    [[nodiscard]] Code code() const noexcept { return m_code; }
    // The user-facing text, translated.
    [[nodiscard]] static QString message(Code code);

private:
    Code m_code;
};

} // namespace tallyra
