#include "AutoreleasePool.h"

#include "ObjCClass.h"

#include <QAbstractEventDispatcher>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct Entry {
    id object;
    int loopLevel; // the event-loop nesting level the object was autoreleased at
};

using Pool = std::vector<Entry>;

void releaseAll(const Pool& taken) {
    std::for_each(taken.rbegin(), taken.rend(),
                  [](const Entry& entry) { objc_release(entry.object); });
}

// The pools of the main thread, the outermost first; the outermost one lasts
// as long as the process.
class PoolStack {
public:
    PoolStack() : pools_(1) {}
    ~PoolStack() {
        while (!pools_.empty())
            Pop();
    }

    void Add(id object, int loopLevel) { pools_.back().push_back({object, loopLevel}); }
    void Push() { pools_.emplace_back(); }

    // Releasing may autorelease further objects into the same pool, so it
    // repeats until the pool stays empty.
    void Pop() {
        while (!pools_.back().empty())
            releaseAll(std::exchange(pools_.back(), {}));
        pools_.pop_back();
    }

    void DrainLoop(int loopLevel) {
        for (Pool taken = takeFromLoop(loopLevel); !taken.empty(); taken = takeFromLoop(loopLevel))
            releaseAll(taken);
    }

private:
    // Everything autoreleased at `loopLevel` or in loops nested inside it.
    Pool takeFromLoop(int loopLevel) {
        Pool taken;
        for (Pool& pool : pools_) {
            const auto kept = std::stable_partition(
                pool.begin(), pool.end(), [&](const Entry& e) { return e.loopLevel < loopLevel; });
            taken.insert(taken.end(), kept, pool.end());
            pool.erase(kept, pool.end());
        }
        return taken;
    }

    std::vector<Pool> pools_;
};

PoolStack& pools() {
    static PoolStack stack;
    return stack;
}

int currentLoopLevel() {
    return QThread::currentThread()->loopLevel();
}

// A loop that is about to wait has finished handling its events: what its
// handlers autoreleased is no longer in use.
void watchEventLoop() {
    static QPointer<QAbstractEventDispatcher> watched;
    QAbstractEventDispatcher* const dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || dispatcher == watched)
        return;
    watched = dispatcher;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        if (const int level = currentLoopLevel(); level > 0)
            pools().DrainLoop(level);
    });
}

} // namespace

id objc_autorelease(id object) {
    if (!object || object->isa->IsMetaClass())
        return object;
    watchEventLoop();
    pools().Add(object, currentLoopLevel());
    return object;
}

namespace objc {

AutoreleasePool::AutoreleasePool() {
    pools().Push();
}

AutoreleasePool::~AutoreleasePool() {
    pools().Pop();
}

} // namespace objc
