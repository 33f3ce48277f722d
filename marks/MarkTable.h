#pragma once
// The in-memory mark table and line-node table that the scene objects and the plotter link read.
// Slot semantics: slot 0 is the header, entries start at slot 1, the first entry with MarkType -1
// ends the table, a deleted entry keeps its slot with MarkType 1000. Both tables grow as needed
// instead of dropping entries when a fixed size is reached. Main thread only, except the header
// state word, which the tile-loading thread sets.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "marks/MarkTypes.h"

namespace velmara {

struct TMarkRecord {
  int32_t Key = -1;       // MLKEY of the row; -1 while not stored
  double Lat = 0.0;       // decimal degrees
  double Lng = 0.0;       // decimal degrees, -180 .. 180
  int32_t Group = 1;      // plot key (GRPID); 1 is the main plot
  int32_t Height = 0;     // whole metres below the reference level, positive downwards
  int32_t MarkType = mtEndOfTable;
  int32_t Colour = -1;    // 0x00BBGGRR; -1 no colour
  double Date = 0.0;      // days since 30 Dec 1899
  std::string Desc;       // UTF-8; at most 80 characters when stored
  uint8_t OnPlotter = 0;  // not stored in the database
  int32_t Locked = 0;
};

// Header state word values.
enum TMarkTableState : int32_t { tsIdle = 0, tsNewTiles = 2, tsRebuilding = 3 };

// The slots of the original table (0 header + 500 entries); the table starts with this many and
// grows beyond it when needed.
inline constexpr std::size_t kInitialMarkSlots = 501;

class TMarkTable {
public:
  TMarkTable();

  // Back to an empty table: slot 1 the terminator, state idle.
  void Reset();

  std::atomic<int32_t>& State() { return state_; }

  // Slot access, 0 the header; the table always holds a terminator slot.
  std::size_t SlotCount() const { return slots_.size(); }
  TMarkRecord& operator[](std::size_t slot) { return slots_[slot]; }
  const TMarkRecord& operator[](std::size_t slot) const { return slots_[slot]; }
  // Index of the terminator slot; the entries are 1 .. EndSlot() - 1.
  std::size_t EndSlot() const;

  void Append(const TMarkRecord& rec);
  // First entry with this key, or nullptr.
  TMarkRecord* Find(int32_t key);
  void MarkDeleted(int32_t key);
  void SetOnPlotter(int32_t key, bool flag);
  void ClearOnPlotter();
  // Copies a saved record over the entry with its key (the on-plotter flag stays).
  void Update(const TMarkRecord& rec);

private:
  std::vector<TMarkRecord> slots_;
  std::size_t end_ = 1;
  std::atomic<int32_t> state_{tsIdle};
};

struct TLineNode {
  int32_t Key = 0;  // MLKEY of the line
  double Lat = 0.0;
  double Lng = 0.0;
};

// Filled in order; emptied when the lines are rebuilt.
class TLineNodeTable {
public:
  TLineNodeTable() { nodes_.reserve(kInitialCapacity); }
  void Reset() { nodes_.clear(); }
  void Append(int32_t key, double lat, double lng) { nodes_.push_back({key, lat, lng}); }
  std::size_t Count() const { return nodes_.size(); }
  const TLineNode& operator[](std::size_t i) const { return nodes_[i]; }
  const std::vector<TLineNode>& Nodes() const { return nodes_; }

  static constexpr std::size_t kInitialCapacity = 20000;

private:
  std::vector<TLineNode> nodes_;
};

// The program's one mark table and line-node table.
TMarkTable& MarkTable();
TLineNodeTable& LineNodeTable();

// The operations the other parts of the program call, on the program's tables.
void AppendMarkRecord(const TMarkRecord& rec);
void MarkRecordDeleted(int32_t key);
void SetOnPlotter(int32_t key, bool flag);
void ClearOnPlotter();
void AppendLineNode(int32_t key, double lat, double lng);

}  // namespace velmara
