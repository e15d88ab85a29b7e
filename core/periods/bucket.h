#pragma once

// Bucket: one step of a chart inside a period window (a day, a week or a
// pay month, cut to the window). An incomplete bucket, one that is still
// running or is only part of its unit, is drawn as partial by the charts.
//
// Thread safety: plain values; any thread.

#include <QHashFunctions>

#include "periods/date_interval.h"

namespace tallyra {

enum class BucketGranularity
{
    day,
    week,
    month,
};

struct Bucket
{
    DateInterval interval;
    bool isComplete = false;

    friend bool operator==(const Bucket& a, const Bucket& b) = default;
    friend size_t qHash(const Bucket& bucket, size_t seed = 0)
    {
        return qHashMulti(seed, bucket.interval, bucket.isComplete);
    }
};

} // namespace tallyra
