#pragma once

// RateFetch: the outcome of asking the rate sources, which may be partial:
// the rates that were obtained, and the message of the last source that
// failed while another one answered (absent when every source asked
// answered).
//
// Thread safety: a value; any thread.

#include <optional>

#include <QString>

#include "reports/fx_rates.h"

namespace tallyra {

struct RateFetch
{
    FXRates rates;
    std::optional<QString> failure;

    friend bool operator==(const RateFetch& a, const RateFetch& b) = default;
};

} // namespace tallyra
