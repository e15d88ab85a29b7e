#pragma once

// Where "now" comes from. Core logic never asks the system for the time
// directly, so tests can pin it and a run can be replayed.

#include <QDateTime>

namespace tallyra {

class Clock
{
public:
    virtual ~Clock() = default;
    // The current instant, in UTC.
    [[nodiscard]] virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

// A clock that stands still until moved; for tests and for pinned runs.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime now) : m_now(now.toUTC()) {}
    [[nodiscard]] QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now.toUTC(); }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

} // namespace tallyra
