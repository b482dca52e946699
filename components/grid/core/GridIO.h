// The streaming components of the binary grid stream. Each exists for one save or load and
// carries the contents of one record of the stream (StreamRecord.h gives the record):
// - TGridPropIO: the saved rectangle's size, its column widths and row heights as decimal
//   numbers joined by ",", and whether it is the whole grid;
// - TGridCellIO: a cell's column and row (32 bits) and text, and whether properties follow;
// - TGridCellPropIO: the cell's properties, and whether its graphic follows;
// - TGridGraphicIO: the cell's graphic without its object;
// - TGridSLIO: a list of texts, the object of a radio group or an image index list;
// - TGridBMPIO, TGridIconIO, TGridPicIO: a bitmap, icon or picture as its file's bytes (none
//   for an empty one); TGridFilePicIO: a file picture's file name.
// None needs the grid; the grid's stream code walks its cells with them.
#pragma once

#include "components/grid/core/CellGraphic.h"
#include "components/grid/core/CellPropertiesRef.h"
#include "platform/core/component.h"
#include "platform/core/stream.h"

#include <memory>
#include <string_view>
#include <vector>

class TBitmap;
class TFilePicture;
class TIcon;
class TPicture;

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

// A cell record read in place: the text is a view into the record's bytes.
struct TGridCellRecord {
  int Col = 0;
  int Row = 0;
  std::string_view Cell;
  bool HasProp = false;
};

class TGridCellIO : public TComponent {
 public:
  using TComponent::TComponent;
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);
  // A grid's million cell records without a component each: Append adds a cell's record to
  // Out as Write writes it, for a few large writes; Parse reads the cell record at the start
  // of Bytes in place and gives its length, or 0 when Bytes do not begin with a whole one
  // (Read then refuses it where it breaks off).
  static void Append(AnsiString& Out, int Col, int Row, std::string_view Cell, bool HasProp);
  static std::size_t Parse(std::string_view Bytes, TGridCellRecord& Record);

  int Col = 0;
  int Row = 0;
  AnsiString Cell;
  bool HasProp = false;
};

class TGridCellPropIO : public TComponent {
 public:
  explicit TGridCellPropIO(TComponent* AOwner);
  void Write(TStream& Stream) const;
  void Read(TStream& Stream);

  TCellProperties& CellProperties() { return *props_; }
  bool HasGraphic = false;

 private:
  TCellPropertiesRef props_;
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

// A streaming component that owns the object it reads, or writes its own or a given one (a
// cell's, without copying it). Damaged image data raises EInvalidGraphic.
template <typename T>
class TGridObjectIO : public TComponent {
 public:
  TGridObjectIO(TComponent* AOwner, const char* ClassName, const char* Property);
  ~TGridObjectIO() override;
  void Write(TStream& Stream) const { Write(Stream, *object_); }
  void Write(TStream& Stream, T& Object) const;
  void Read(TStream& Stream);

  T& Object() { return *object_; }
  // The object read, for a cell to own; the component goes on with a new one.
  T* Take();

 private:
  const char* className_;
  const char* property_;
  std::unique_ptr<T> object_;
};

class TGridBMPIO : public TGridObjectIO<TBitmap> {
 public:
  explicit TGridBMPIO(TComponent* AOwner) : TGridObjectIO(AOwner, "TGridBMPIO", "Bitmap.Data") {}
};

class TGridIconIO : public TGridObjectIO<TIcon> {
 public:
  explicit TGridIconIO(TComponent* AOwner) : TGridObjectIO(AOwner, "TGridIconIO", "Icon.Data") {}
};

class TGridPicIO : public TGridObjectIO<TPicture> {
 public:
  explicit TGridPicIO(TComponent* AOwner) : TGridObjectIO(AOwner, "TGridPicIO", "Picture.Data") {}
};

class TGridFilePicIO : public TGridObjectIO<TFilePicture> {
 public:
  explicit TGridFilePicIO(TComponent* AOwner)
      : TGridObjectIO(AOwner, "TGridFilePicIO", "Picture.FileName") {}
};
