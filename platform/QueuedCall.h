#pragma once

#include <QObject>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// A call carried to another thread by Qt's event queue. The queue hands the call over under a lock
// inside Qt's own library, which ThreadSanitizer does not see into, so it would take the captured
// values for a data race; Post marks the hand-over (and, for a blocking call, the way back) for it.
// In other builds it is QMetaObject::invokeMethod and nothing more.
namespace QueuedCall {

// Only its address is used.
inline const char handOver = 0;

inline void Release() {
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<char*>(&handOver));
#endif
}

inline void Acquire() {
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<char*>(&handOver));
#endif
}

template <typename Function>
void Post(QObject* context, Function function, Qt::ConnectionType type = Qt::QueuedConnection) {
    Release();
    QMetaObject::invokeMethod(
        context,
        [call = std::move(function)]() mutable {
            Acquire();
            call();
            Release();
        },
        type);
    if (type == Qt::BlockingQueuedConnection) Acquire();
}

}  // namespace QueuedCall
