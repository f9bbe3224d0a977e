#pragma once

// Which window objects exist, so that code running after a message handler can tell whether the
// handler deleted the object it belonged to (a dialog that deletes itself in PostNcDestroy).

#include <cstdint>

class CWnd;

namespace vorn::fw {

class LiveObjects {
public:
    // A number that stays the object's while it lives and is never given to another.
    static std::uint64_t add(const CWnd* object);
    static void remove(const CWnd* object);
    static bool alive(const CWnd* object, std::uint64_t serial);
};

} // namespace vorn::fw
