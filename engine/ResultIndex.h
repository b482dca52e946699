// The result index of a query run: row h holds the h-th hit, its record number in column 0
// and the texts of the two sort keys in columns 1 and 2; after the hits is one empty row.
// The query window keeps it in a hidden column grid; the engine reaches it through this
// interface, which MemoryResultIndex implements without a grid.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/core/text.h"

// How a column's texts compare when the index is sorted by it.
enum class IndexSortStyle { Numeric, Date, Alphabetic, Automatic };

class ResultIndex {
 public:
  virtual ~ResultIndex() = default;

  virtual void Clear() = 0;  // no hits: the one empty row
  // Capacity for this many hits to come, so that adding them moves nothing.
  virtual void Reserve(std::size_t /*hits*/) {}
  // A hit in a new row before the empty one; the index keeps copies of the texts.
  virtual void AddHit(std::string_view satznummer, std::string_view key1,
                      std::string_view key2) = 0;
  // The first `hits` hits stay, those after them are dropped; the empty row follows them.
  virtual void KeepHits(int hits) = 0;
  virtual void SetSortStyle(int column, IndexSortStyle style) = 0;
  // Orders the hits ascending by the column; ties are decided by the columns to its right,
  // each by its own style; empty texts come last. The empty row stays last.
  virtual void Sort(int column) = 0;
  virtual int RowCount() const = 0;
  // "" outside the hits' cells; the text lives as long as the index does not change.
  virtual std::string_view Cell(int column, int row) const = 0;
};

// The index in memory. Its sort follows the column grid's: numbers by value (a text that is
// no number ties with every other), dates by the day they name (0 when none), texts by their
// byte values, an automatic column by what each text looks like. The texts of all cells
// lie one after the other in one store, so a hit costs no allocation of its own and a sort
// moves places, not texts.
class MemoryResultIndex : public ResultIndex {
 public:
  static constexpr int kColumns = 3;

  void Clear() override;
  void Reserve(std::size_t hits) override;
  void AddHit(std::string_view satznummer, std::string_view key1, std::string_view key2) override;
  void KeepHits(int hits) override;
  void SetSortStyle(int column, IndexSortStyle style) override;
  void Sort(int column) override;
  int RowCount() const override { return static_cast<int>(rows_.size()) + 1; }
  std::string_view Cell(int column, int row) const override;

 private:
  struct Place {
    std::size_t offset;
    std::size_t length;
  };
  using Row = std::array<Place, kColumns>;
  Place Keep(std::string_view text);
  std::string_view Text(const Place& place) const {
    return {texts_.data() + place.offset, place.length};
  }

  std::string texts_;
  std::vector<Row> rows_;  // the hits; the empty row is not stored
  std::array<IndexSortStyle, kColumns> styles_{IndexSortStyle::Alphabetic, IndexSortStyle::Alphabetic,
                                               IndexSortStyle::Alphabetic};
};
