#include "modal_run.h"

#include "page.h"

#include <map>

namespace platform::web {
namespace {

std::map<std::int32_t, EventHandler>& Targets() {
    static std::map<std::int32_t, EventHandler> targets;
    return targets;
}

} // namespace

void AddEventTarget(std::int32_t window, EventHandler handler) {
    Targets()[window] = std::move(handler);
}

void RemoveEventTarget(std::int32_t window) {
    Targets().erase(window);
}

// An event for a window that is gone, queued before it went, is dropped.
// The handler is copied out first: it may end its window's run and remove
// the target while it runs.
void RunModal(const std::function<bool()>& ended) {
    while (!ended()) {
        std::int32_t raw[3] = {};
        vidad_wait_event(raw);
        const PageEvent event{raw[0], raw[1], raw[2]};
        const auto target = Targets().find(event.window);
        if (target != Targets().end()) {
            const EventHandler handler = target->second;
            handler(event);
        }
    }
}

} // namespace platform::web
