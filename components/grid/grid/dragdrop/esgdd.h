// The grid's drag and drop unit: cells travel as tab-separated text, a single cell also as
// rich text, a whole column as its index in the "Grid Column" format; a dropped CSV file is
// loaded. The grid's drop source and drop target live here with the state they share.
#pragma once

#include <memory>

#include "platform/controls/keys.h"
#include "platform/controls/text_drag_drop.h"
#include "platform/grids/grid_types.h"

class TExtStringGrid;
class TArrowWindow;
class TPopupButton;

namespace Esgdd {
// The unit's RTF-aware switch and its registered formats ("Rich Text Format", "Grid Column").
TDragFormatSet& Formats();
void SetRTFAware(bool b);
DWORD StandardEffect(TShiftState Shift);

class TEnumFormats : public TDragFormatReader {
 public:
  explicit TEnumFormats(IDataObject& DataObject) : TDragFormatReader(DataObject, Formats()) {}
};

class TSourceDataObject : public TSourceData {
 public:
  TSourceDataObject(const AnsiString& Text, const AnsiString& RTF, int Col)
      : TSourceData(Formats(), Text, RTF, Col) {}
};
}  // namespace Esgdd

class TESGDropSource : public TTextDropSource {};

class TESGDropTarget : public TTextDropTarget {
 public:
  TESGDropTarget() : TTextDropTarget(Esgdd::Formats()) {}
};

namespace Esgdd {
// Drags of cells (text, rich text) and of a column; DRAGDROP_S_CANCEL when the last
// feedback had no effect.
HRESULT StartTextDoDragDrop(std::shared_ptr<TESGDropSource> Source, const AnsiString& Text,
                            const AnsiString& RTF, DWORD AllowedEffects, DWORD& Effect);
HRESULT StartColDoDragDrop(std::shared_ptr<TESGDropSource> Source, int Col, DWORD AllowedEffects,
                           DWORD& Effect);
}  // namespace Esgdd

// What the grid's drag and drop keeps between its steps: the marks of where a drop lands
// (an arrow pointing right at a target row, two pointing down and up at a target column), the
// floating button of a column drag, the cells being dragged out of this grid, and whether
// the grid's drop target is registered.
class TGridOleState {
 public:
  explicit TGridOleState(TExtStringGrid* Grid) : grid_(Grid) {}

  TArrowWindow* Arrow(int Direction);  // made at first use
  // Shows the arrow with its top-left corner at a point of the grid's client area.
  void ShowArrow(int Direction, TPoint ClientAt);
  TPopupButton* ColumnButton();
  void HideArrows();
  // The colour the arrows are filled in.
  TColor GetArrowColor() const { return arrowColor_; }
  void SetArrowColor(TColor Value);
  void HideAll();

  bool Registered = false;
  // Set while cells of this grid are dragged out; DragRect follows inserted rows.
  bool Dragging = false;
  TGridRect DragRect;
  DWORD LastEffect = DROPEFFECT_NONE;

 private:
  TExtStringGrid* grid_;
  TArrowWindow* arrows_[4] = {};
  TColor arrowColor_ = clWindowText;
  TPopupButton* button_ = nullptr;
};

// Remembers the effect the target shows and moves the column button with the mouse.
class TGridDropSource : public TESGDropSource {
 public:
  explicit TGridDropSource(TExtStringGrid* Grid) : grid_(Grid) {}
  DWORD LastEffect() const { return lastEffect_; }

 protected:
  void CurrentEffect(DWORD effect) override;
  void QueryDrag() override;

 private:
  TExtStringGrid* grid_;
  DWORD lastEffect_ = DROPEFFECT_NONE;
};

// Rows of text land at the cell under the mouse (inserting rows with OleInsertRows), rich
// text in one cell, a column is announced to OnOleDropCol, and one CSV file is loaded.
class TGridDropTarget : public TESGDropTarget {
 public:
  explicit TGridDropTarget(TExtStringGrid* Grid) : grid_(Grid) {}
  // Takes the Accept switches from the grid's DragDropSettings as the drag enters.
  HRESULT DragEnter(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) override;

 protected:
  void DropText(TPoint pt, const AnsiString& s) override;
  void DropCol(TPoint pt, int Col) override;
  void DropRTF(TPoint pt, const AnsiString& s) override;
  void DropFiles(TPoint pt, TStrings* Files) override;
  void DragMouseMove(TPoint pt, bool& Allow, TDropFormats Formats) override;
  void DragMouseLeave() override;

 private:
  TGridCoord CellAt(TPoint ScreenPoint) const;
  // Whether a cell lies in what this grid is dragging out, where a drop would be lost.
  bool InDraggedCells(TGridCoord Cell) const;
  void ShowMarks(TGridCoord Cell, bool Column);

  TExtStringGrid* grid_;
};
