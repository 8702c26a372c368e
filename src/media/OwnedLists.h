#pragma once
// Freeing a list together with every object it holds.
#include <memory>

namespace sw {

// Frees the list and, through it, every object it owns, and clears the reference; nothing
// happens when the reference is already empty. Owning lists (TNamedList, TButtonList) free
// their objects in their destructors, so dropping the list is all it takes.
template <typename TList>
void FreeListObjects(std::unique_ptr<TList>& list) {
  list.reset();
}

}  // namespace sw
