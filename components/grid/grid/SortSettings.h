// How the grid sorts and shows its sort: the indicator, the direction and column, blanks,
// and the row the indicator sits in, which must be one of the fixed rows.
#pragma once

#include <functional>

#include "components/grid/grid/GridSettings.h"

enum TSortBlankPos { blFirst, blLast };
enum TSortDirection { sdAscending, sdDescending };

inline constexpr const char* kSortRowTooBig =
    "Sort row should be smaller than number of fixed rows";

class TSortSettings : public TGridSettings {
 public:
  // FixedRowCount tells the grid's fixed-row count when Row is set.
  explicit TSortSettings(std::function<int()> FixedRowCount);

  bool GetShow() const { return show_; }
  void SetShow(bool Value) { Update(show_, Value); }
  bool GetIndexShow() const { return indexShow_; }
  void SetIndexShow(bool Value) { Update(indexShow_, Value); }
  TSortDirection GetDirection() const { return direction_; }
  void SetDirection(TSortDirection Value) { Update(direction_, Value); }
  TBitmap* GetUpGlyph() const { return upGlyph_.get(); }
  void SetUpGlyph(const TBitmap* Value) { upGlyph_->Assign(Value); }
  TBitmap* GetDownGlyph() const { return downGlyph_.get(); }
  void SetDownGlyph(const TBitmap* Value) { downGlyph_->Assign(Value); }
  int GetColumn() const { return column_; }
  void SetColumn(int Value) { Update(column_, Value); }
  int GetRow() const { return row_; }
  // Raises EExtGridError when Value is beyond the fixed-row count.
  void SetRow(int Value);

  bool Full = true;
  bool SingleColumn = false;
  bool IgnoreBlanks = false;
  TSortBlankPos BlankPos = blFirst;
  bool AutoFormat = true;
  bool NormalCellsOnly = false;
  bool FixedCols = false;
  bool AutoColumnMerge = false;

 private:
  std::function<int()> fixedRowCount_;
  bool show_ = false;
  bool indexShow_ = false;
  TSortDirection direction_ = sdAscending;
  std::unique_ptr<TBitmap> upGlyph_ = MakeGlyph();
  std::unique_ptr<TBitmap> downGlyph_ = MakeGlyph();
  int column_ = 0;
  int row_ = 0;
};
