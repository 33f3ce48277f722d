#include "marks/MarkTable.h"

namespace velmara {

TMarkTable::TMarkTable() { Reset(); }

void TMarkTable::Reset() {
  slots_.assign(kInitialMarkSlots, TMarkRecord{});
  slots_[0].MarkType = 0;  // the header is no entry
  end_ = 1;
  state_ = tsIdle;
}

std::size_t TMarkTable::EndSlot() const { return end_; }

void TMarkTable::Append(const TMarkRecord& rec) {
  if (end_ + 1 >= slots_.size()) slots_.resize(slots_.size() * 2);
  TMarkRecord& slot = slots_[end_];
  slot = rec;
  slot.OnPlotter = 0;  // a new entry is not yet on the plotter
  ++end_;
  slots_[end_].MarkType = mtEndOfTable;
}

TMarkRecord* TMarkTable::Find(int32_t key) {
  for (std::size_t i = 1; i < end_; ++i)
    if (slots_[i].Key == key) return &slots_[i];
  return nullptr;
}

void TMarkTable::MarkDeleted(int32_t key) {
  if (TMarkRecord* entry = Find(key)) entry->MarkType = mtDeleted;
}

void TMarkTable::SetOnPlotter(int32_t key, bool flag) {
  if (TMarkRecord* entry = Find(key)) entry->OnPlotter = flag ? 1 : 0;
}

void TMarkTable::ClearOnPlotter() {
  for (std::size_t i = 1; i < end_; ++i) slots_[i].OnPlotter = 0;
}

void TMarkTable::Update(const TMarkRecord& rec) {
  if (TMarkRecord* entry = Find(rec.Key)) {
    const uint8_t onPlotter = entry->OnPlotter;
    *entry = rec;
    entry->OnPlotter = onPlotter;
  }
}

TMarkTable& MarkTable() {
  static TMarkTable table;
  return table;
}

TLineNodeTable& LineNodeTable() {
  static TLineNodeTable table;
  return table;
}

void AppendMarkRecord(const TMarkRecord& rec) { MarkTable().Append(rec); }
void MarkRecordDeleted(int32_t key) { MarkTable().MarkDeleted(key); }
void SetOnPlotter(int32_t key, bool flag) { MarkTable().SetOnPlotter(key, flag); }
void ClearOnPlotter() { MarkTable().ClearOnPlotter(); }
void AppendLineNode(int32_t key, double lat, double lng) { LineNodeTable().Append(key, lat, lng); }

}  // namespace velmara
