#pragma once

// Internal to the writers: the check that a main-thread-only call runs on
// the application's main thread (no check before an application exists).

#include <cassert>

#include <QCoreApplication>
#include <QThread>

namespace tallyra::writing_detail {

inline void assertMainThread()
{
    assert(QCoreApplication::instance() == nullptr ||
           QThread::currentThread() == QCoreApplication::instance()->thread());
}

} // namespace tallyra::writing_detail
