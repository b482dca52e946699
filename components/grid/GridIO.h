// The streaming components of the binary grid stream. Each lives for one save or load and
// carries what one record of the stream holds (StreamRecord.h gives the record):
// - TGridPropIO: the saved rectangle's size, its column widths and row heights as decimal
//   numbers joined by ",", and whether it is the whole grid;
// - TGridCellIO: a cell's column and row (32 bits) and text, and whether properties follow;
// - TGridCellPropIO: the cell's properties, and whether its graphic follows;
// - TGridGraphicIO: the cell's graphic without its object;
// - TGridSLIO: a list of texts, the object of a radio group or an image index list.
// None needs the grid; the grid's stream code walks its cells with them.
#pragma once

#include "components/grid/CellGraphic.h"
#include "components/grid/CellProperties.h"
#include "platform/core/component.h"
#include "platform/core/stream.h"

#include <vector>

class TGridPropIO : public TComponent {
 public:
  using TComponent::TComponent;
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);

  int ColCount = 0;
  int RowCount = 0;
  AnsiString ColWidths;
  AnsiString RowHeights;
  bool FullGrid = false;
};

class TGridCellIO : public TComponent {
 public:
  using TComponent::TComponent;
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);

  int Col = 0;
  int Row = 0;
  AnsiString Cell;
  bool HasProp = false;
};

class TGridCellPropIO : public TComponent {
 public:
  explicit TGridCellPropIO(TComponent* AOwner);
  ~TGridCellPropIO() override;
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);

  TCellProperties& CellProperties() { return *props_; }
  bool HasGraphic = false;

 private:
  TCellProperties* props_;
};

class TGridGraphicIO : public TComponent {
 public:
  using TComponent::TComponent;
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);

  // Read: no object, CellCreated false.
  TCellGraphic CellGraphic;
};

class TGridSLIO : public TComponent {
 public:
  using TComponent::TComponent;
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);

  std::vector<AnsiString> Strings;
};
