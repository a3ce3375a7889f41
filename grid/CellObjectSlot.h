#pragma once

#include <memory>
#include <utility>

class TCellObject;

// A slot for an object hanging on a cell: either owned, and released with
// the slot, or lent, and then only forgotten when the slot empties. Whoever
// fills the slot says which, so no flag decides later what to release.
template <typename TOwned>
class TCellObjectSlot
{
public:
    TCellObject *Get() const { return FOwned ? FOwned.get() : FLent; }
    bool Owns() const { return FOwned != nullptr; }
    // Takes the object and hands back the one owned before, if any.
    [[nodiscard]] std::unique_ptr<TOwned> Attach(std::unique_ptr<TOwned> object)
    {
        std::unique_ptr<TOwned> previous = std::move(FOwned);
        FOwned = std::move(object);
        FLent = nullptr;
        return previous;
    }
    [[nodiscard]] std::unique_ptr<TOwned> Lend(TCellObject *object)
    {
        std::unique_ptr<TOwned> previous = std::move(FOwned);
        FLent = object;
        return previous;
    }
    // Empties the slot: an owned object is released, a lent one forgotten.
    void Clear()
    {
        FOwned.reset();
        FLent = nullptr;
    }

private:
    std::unique_ptr<TOwned> FOwned;
    TCellObject *FLent = nullptr;
};
