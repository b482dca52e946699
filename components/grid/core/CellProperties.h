// The properties object of one grid cell: background, font, border, alignment and editor,
// the user's object and the cell's graphic, and the cell's place in a merged block. Colours
// of clNone, a font size of 0, an empty style and an empty font name mean "the grid's".
//
// The object is stored in the cell's Objects slot and owned by the grid. Copying rows or
// columns lets several cells share the same object, so it is reference counted through
// TCellPropertiesRef (CellPropertiesRef.h), and the last owner frees it. Moving an object from
// one slot to another changes nothing. The cell's graphic is freed with it, the user's object
// never.
#pragma once

#include <cstdint>

#include "components/grid/core/BaseGridTypes.h"
#include "platform/graphics/brush.h"
#include "platform/controls/control.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/core/object.h"
#include "platform/core/text.h"

class TCellGraphic;
class TCellPropertyGrid;

class TCellProperties : public TObject {
 public:
  TCellProperties(TCellPropertyGrid* AGrid, int ACol, int ARow);
  TCellProperties(const TCellProperties&) = delete;
  TCellProperties& operator=(const TCellProperties&) = delete;

  // Copies the look, the editor and the merge fields; not the user's object, the graphic, the
  // footer calculation or the paint stamp, and not whose cell this object is.
  void Assign(const TCellProperties& Source);

  TCellPropertyGrid* GetGrid() const { return grid_; }

  // Puts the settings this object has (not clNone, 0 or empty) on a brush and a font.
  void ApplyLook(TBrush& Brush, TFont& Font) const;

  // The base cell of the block that the cell (ACol, ARow) storing this object belongs to;
  // the cell itself when it is a base cell or the distances it stores make no sense.
  TPoint GetBaseCell(int ACol, int ARow) const;

  // These three repaint the owner cell.
  TColor GetBrushColor() const { return brushColor_; }
  void SetBrushColor(TColor Value);
  TVAlignment GetVAlignment() const { return vAlignment_; }
  void SetVAlignment(TVAlignment Value);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);

  int OwnerCol;
  int OwnerRow;
  TObject* CellObject = nullptr;    // the user's, never freed here
  TCellGraphic* Graphic = nullptr;  // owned
  TBrushStyle BrushStyle = bsSolid;
  int FontSize = 0;
  TColor FontColor = clNone;
  TFontStyles FontStyle;
  // Base cell: the extra rows and columns of its block. Other cells of a block: the distance
  // back to the base cell. -1 in both: an ordinary cell.
  int CellSpanY = -1;
  int CellSpanX = -1;
  int BorderWidth = 0;
  TColor BorderColor = 0;
  TAlignment Alignment = taLeftJustify;
  int PaintStamp = 0;  // the last paint pass that drew this base cell's block
  bool IsBaseCell = true;
  uint8_t FooterCalc = 0;
  int NodeLevel = 0;
  TEditorType Editor = edNormal;
  AnsiString FontName;
  bool ReadOnly = false;

  // The reference count.
  int Holders() const { return holders_; }
  // The part of the count owned by TCellPropertiesRef objects, not by the slots of cells or
  // hidden rows.
  int ReferenceHolders() const { return refHolds_; }

 private:
  friend class TCellPropertiesRef;

  ~TCellProperties() override;

  TCellPropertyGrid* grid_;
  TColor brushColor_ = clNone;
  TVAlignment vAlignment_ = vtaTop;
  bool wordWrap_ = false;
  int holders_ = 0;
  int refHolds_ = 0;

  void Hold() { ++holders_; }
  // Releases one reference; frees the object when it was the last (or there was none).
  static void Release(TCellProperties* Props);
  void RepaintOwner();
};
