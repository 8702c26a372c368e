#pragma once
// Map locations sorted into square cells, so a question about what lies near a point looks at
// the few cells around it instead of at the whole map.
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace sw {

class TLocationGrid {
public:
  explicit TLocationGrid(int cellSize) : CellSize(cellSize > 0 ? cellSize : 1) {}

  // Files the location of that index at its map position.
  void Add(int index, int x, int y) { Cells[Key(CellOf(x), CellOf(y))].push_back(index); }

  // Calls visit(index) for every location filed in the nine cells around the point, which hold
  // every location closer to it than a cell's size (and others beside them); in no set order.
  template <typename TVisit>
  void Around(int x, int y, TVisit visit) const {
    const long long cx = CellOf(x), cy = CellOf(y);
    for (long long gx = cx - 1; gx <= cx + 1; ++gx)
      for (long long gy = cy - 1; gy <= cy + 1; ++gy) {
        auto it = Cells.find(Key(gx, gy));
        if (it == Cells.end()) continue;
        for (int index : it->second) visit(index);
      }
  }

private:
  // The cell of a coordinate, counted down from zero for negative ones too.
  long long CellOf(int v) const {
    const long long value = v;
    return value >= 0 ? value / CellSize : -((-value + CellSize - 1) / CellSize);
  }
  static uint64_t Key(long long cx, long long cy) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(cx)) << 32) | static_cast<uint32_t>(cy);
  }

  int CellSize;
  std::unordered_map<uint64_t, std::vector<int>> Cells;
};

}  // namespace sw
