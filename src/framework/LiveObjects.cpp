#include "framework/LiveObjects.h"

#include <unordered_map>

namespace vorn::fw {

namespace {
struct State {
    std::unordered_map<const CWnd*, std::uint64_t> objects;
    std::uint64_t next = 1;
};
State& state() {
    static State instance;
    return instance;
}
} // namespace

std::uint64_t LiveObjects::add(const CWnd* object) {
    std::uint64_t serial = state().next++;
    state().objects[object] = serial;
    return serial;
}

void LiveObjects::remove(const CWnd* object) {
    state().objects.erase(object);
}

bool LiveObjects::alive(const CWnd* object, std::uint64_t serial) {
    auto it = state().objects.find(object);
    return it != state().objects.end() && it->second == serial;
}

} // namespace vorn::fw
