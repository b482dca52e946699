// TGridColumnCollection: the items of a grid's columns, and the column count following them.
#include <algorithm>

#include "components/grid/columns/ExtCGrid.h"

TGridColumnCollection::TGridColumnCollection(TExtColumnGrid* AGrid) : grid_(AGrid) {}

TGridColumnCollection::~TGridColumnCollection() = default;

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].get() == Item) return i;
  return -1;
}

TGridColumnItem* TGridColumnCollection::Add() {
  TGridColumnItem* item = items_.emplace_back(std::make_unique<TGridColumnItem>(this)).get();
  item->Position = Count() - 1;
  return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
  const auto at = items_.begin() + std::clamp(Index, 0, Count());
  return items_.insert(at, std::make_unique<TGridColumnItem>(this))->get();
}

void TGridColumnCollection::Delete(int Index) {
  GetItem(Index);  // raises outside the collection
  items_.erase(items_.begin() + Index);
}

void TGridColumnCollection::Move(int FromIndex, int ToIndex) {
  GetItem(FromIndex);  // both raise outside the collection
  GetItem(ToIndex);
  auto at = items_.begin();
  if (FromIndex < ToIndex)
    std::rotate(at + FromIndex, at + FromIndex + 1, at + ToIndex + 1);
  else
    std::rotate(at + ToIndex, at + FromIndex, at + FromIndex + 1);
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source) {
  if (&Source == this) return;
  const bool updating = updating_;
  updating_ = true;
  while (Count() > Source.Count()) Delete(Count() - 1);
  while (Count() < Source.Count()) Add();
  for (int i = 0; i < Count(); ++i) GetItem(i)->Assign(*Source.GetItem(i));
  updating_ = updating;
  Update(nullptr);
}

void TGridColumnCollection::Update(TGridColumnItem* /*Item*/) {
  if (!grid_) return;
  if (!updating_) grid_->ColumnsUpdated();
  grid_->Invalidate();
}
