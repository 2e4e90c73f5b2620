#pragma once

#include <cstdint>
#include <functional>

namespace platform::web {

struct PageEvent {
    std::int32_t kind = 0;
    std::int32_t window = 0;
    std::int32_t argument = 0;
};

using EventHandler = std::function<void(const PageEvent&)>;

// The windows that take the page's events, by their element.
void AddEventTarget(std::int32_t window, EventHandler handler);
void RemoveEventTarget(std::int32_t window);

// A modal run: takes the page's events one by one and hands each to its
// window, asleep while there is none, until `ended` says the run is over.
// A run started by a handler is a loop nested inside this one, on the same
// stack, so only the innermost run ever sleeps.
void RunModal(const std::function<bool()>& ended);

} // namespace platform::web
