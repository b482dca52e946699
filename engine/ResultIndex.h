// The result index of a query run: row h holds the h-th hit, its record number in column 0
// and the texts of the two sort keys in columns 1 and 2; after the hits stands one empty row.
// The query window keeps it in a hidden column grid; the engine reaches it through this
// interface, which MemoryResultIndex implements without a grid.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "platform/core/text.h"

// How a column's texts compare when the index is sorted by it.
enum class IndexSortStyle { Numeric, Date, Alphabetic, Automatic };

class ResultIndex {
 public:
  virtual ~ResultIndex() = default;

  virtual void Clear() = 0;  // no hits: the one empty row
  // Room for this many hits to come, so that adding them moves nothing.
  virtual void Reserve(std::size_t /*hits*/) {}
  // A hit in a new row before the empty one; the texts move into the index.
  virtual void AddHit(AnsiString satznummer, AnsiString key1, AnsiString key2) = 0;
  virtual void SetSortStyle(int column, IndexSortStyle style) = 0;
  // Orders the hits ascending by the column; ties are decided by the columns to its right,
  // each by its own style; empty texts come last. The empty row stays last.
  virtual void Sort(int column) = 0;
  virtual int RowCount() const = 0;
  // "" outside the hits' cells; the text lives as long as the index does not change.
  virtual const AnsiString& Cell(int column, int row) const = 0;
};

// The index in memory. Its sort follows the column grid's: numbers by value (a text that is
// no number ties with every other), dates by the day they name (0 when none), texts by their
// byte values, an automatic column by what each text looks like.
class MemoryResultIndex : public ResultIndex {
 public:
  static constexpr int kColumns = 3;

  void Clear() override { rows_.clear(); }
  void Reserve(std::size_t hits) override { rows_.reserve(rows_.size() + hits); }
  void AddHit(AnsiString satznummer, AnsiString key1, AnsiString key2) override {
    rows_.push_back({std::move(satznummer), std::move(key1), std::move(key2)});
  }
  void SetSortStyle(int column, IndexSortStyle style) override;
  void Sort(int column) override;
  int RowCount() const override { return static_cast<int>(rows_.size()) + 1; }
  const AnsiString& Cell(int column, int row) const override;

 private:
  using Row = std::array<AnsiString, kColumns>;
  std::vector<Row> rows_;  // the hits; the empty row is not stored
  std::array<IndexSortStyle, kColumns> styles_{IndexSortStyle::Alphabetic, IndexSortStyle::Alphabetic,
                                               IndexSortStyle::Alphabetic};
};
