#pragma once

#include <functional>
#include <vector>

namespace platform {

// The program's units: each starts once, in the order added, and shuts down
// once, in the reverse order, when the sequence ends.
class UnitSequence
{
public:
    UnitSequence() = default;
    UnitSequence(const UnitSequence &) = delete;
    UnitSequence &operator=(const UnitSequence &) = delete;
    ~UnitSequence();

    // Runs `start` now and remembers `stop` (which may be empty).
    void start(const std::function<void()> &start, std::function<void()> stop);

private:
    std::vector<std::function<void()>> m_stops;
};

} // namespace platform
