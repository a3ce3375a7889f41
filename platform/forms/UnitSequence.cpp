#include "platform/forms/UnitSequence.h"

namespace platform {

UnitSequence::~UnitSequence()
{
    for (auto it = m_stops.rbegin(); it != m_stops.rend(); ++it)
        if (*it)
            (*it)();
}

void UnitSequence::start(const std::function<void()> &start, std::function<void()> stop)
{
    if (start)
        start();
    m_stops.push_back(std::move(stop));
}

} // namespace platform
