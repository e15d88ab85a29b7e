#pragma once

// PeriodSelection: the period the user picked, as a length and a number of
// whole periods back from the current one (0 = current, 1 = the one before).
//
// Invariant, kept by the constructor: the offset is never negative, and it
// is always 0 for max (all time cannot be stepped). A negative offset, or any
// offset with max, becomes 0 instead of failing.
//
// Encoded as a JSON object {"length": raw value, "offset": integer}; both
// keys are required when decoding, and an unknown length fails the decode.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QHashFunctions>
#include <QJsonObject>

#include "periods/period_length.h"

namespace tallyra {

class PeriodSelection
{
public:
    enum class Direction
    {
        older, // one period further back
        newer, // one period closer to today
    };

    explicit PeriodSelection(PeriodLength length = PeriodLength::last30Days,
                             std::int64_t offset = 0) noexcept;

    [[nodiscard]] PeriodLength length() const noexcept { return m_length; }
    [[nodiscard]] std::int64_t offset() const noexcept { return m_offset; }

    // The neighbouring selection; newer from offset 0 stays at 0, and max
    // never moves.
    [[nodiscard]] PeriodSelection stepped(Direction direction) const noexcept;
    // False only for max.
    [[nodiscard]] bool canStep() const noexcept { return m_length != PeriodLength::max; }
    [[nodiscard]] bool isRolling() const noexcept { return tallyra::isRolling(m_length); }

    [[nodiscard]] QJsonObject toJson() const;
    // Nothing when a key is missing, the length is unknown or the offset is
    // not a whole number; the decoded offset still goes through the
    // constructor's repair.
    [[nodiscard]] static std::optional<PeriodSelection> fromJson(const QJsonObject& object);

    friend bool operator==(const PeriodSelection& a, const PeriodSelection& b) = default;
    friend size_t qHash(const PeriodSelection& selection, size_t seed = 0) noexcept
    {
        return qHashMulti(seed, static_cast<int>(selection.m_length),
                          static_cast<qint64>(selection.m_offset));
    }

private:
    PeriodLength m_length;
    std::int64_t m_offset;
};

} // namespace tallyra
