// TExtStringGrid: the binary grid stream (GridIO.h gives its records). A stream is read whole
// before the grid changes, so a damaged one leaves the grid as it was.
#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/html/FilePicture.h"
#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/GridIO.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/TextLines.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

[[noreturn]] void Refuse() { throw EStreamError("Stream read error"); }

// What the record of a cell with a short text and no properties takes.
constexpr int64_t kCellRecordBytes = 64;

AnsiString JoinNumbers(int From, int To, const std::function<int(int)>& Number) {
  AnsiString text;
  for (int i = From; i <= To; ++i) {
    if (i > From) text += ',';
    text += IntToStr(Number(i));
  }
  return text;
}

// Exactly Count decimal numbers joined by ",".
std::vector<int> SplitNumbers(const AnsiString& Text, int Count) {
  std::vector<int> numbers;
  if (Count == 0 && Text.empty()) return numbers;
  for (std::size_t pos = 0; pos <= Text.size() && static_cast<int>(numbers.size()) <= Count;) {
    std::size_t comma = Text.find(',', pos);
    if (comma == std::string::npos) comma = Text.size();
    int value;
    if (!TryStrToInt(Text.substr(pos, comma - pos), value) || value < 0) Refuse();
    numbers.push_back(value);
    pos = comma + 1;
  }
  if (static_cast<int>(numbers.size()) != Count) Refuse();
  return numbers;
}

// The kinds whose object follows the graphic's record in a record of its own.
bool HoldsObject(TCellType Type) {
  switch (Type) {
    case ctBitmap:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      return true;
    default:
      return false;
  }
}

TStrings* RadioStrings(const TCellGraphic& Graphic) {
  return Graphic.CellType == ctRadio ? dynamic_cast<TStrings*>(Graphic.CellBitmap) : nullptr;
}

// Whether the stream holds a cell's graphic. A graphic whose object the cell does not own is
// not stored; an image index list is always the cell's own.
bool StoredGraphic(const TCellGraphic* Graphic) {
  if (!Graphic || Graphic->CellType == ctEmpty) return false;
  if (!HoldsObject(Graphic->CellType)) return true;
  const bool present = Graphic->GetBitmap() || Graphic->GetIcon() || Graphic->GetPicture() ||
                       Graphic->GetFilePicture() || Graphic->GetImages() ||
                       RadioStrings(*Graphic);
  return present && (Graphic->CellCreated || Graphic->CellType == ctImages);
}

// A radio group's captions, or an image list's indexes as decimal numbers.
std::vector<AnsiString> ObjectTexts(const TCellGraphic& Graphic) {
  std::vector<AnsiString> texts;
  if (const TStrings* captions = RadioStrings(Graphic))
    for (int i = 0; i < captions->Count(); ++i) texts.push_back(captions->Strings(i));
  if (const TIntList* indexes = Graphic.GetImages())
    for (int i = 0; i < indexes->Count(); ++i) texts.push_back(IntToStr(indexes->Items(i)));
  return texts;
}

// The object record of a stored graphic.
void WriteObject(TComponent* Owner, const TCellGraphic& Graphic, TStream& Stream) {
  switch (Graphic.CellType) {
    case ctBitmap:
    case ctBitButton:
      TGridBMPIO(Owner).Write(Stream, *Graphic.GetBitmap());
      break;
    case ctIcon:
      TGridIconIO(Owner).Write(Stream, *Graphic.GetIcon());
      break;
    case ctPicture:
      TGridPicIO(Owner).Write(Stream, *Graphic.GetPicture());
      break;
    case ctFilePicture:
      TGridFilePicIO(Owner).Write(Stream, *Graphic.GetFilePicture());
      break;
    case ctRadio:
    case ctImages: {
      TGridSLIO texts(Owner);
      texts.Strings = ObjectTexts(Graphic);
      texts.Write(Stream);
      break;
    }
    default:
      break;
  }
}

template <typename IO>
TObject* ReadRecord(TComponent* Owner, TStream& Stream) {
  IO io(Owner);
  io.Read(Stream);
  return io.Take();
}

// Reads the object record of a graphic and gives the graphic the object read, except an image
// index list, which must know its cell: its indexes go to Indexes.
void ReadObject(TComponent* Owner, TStream& Stream, TCellGraphic& Graphic,
                std::vector<int>& Indexes) {
  switch (Graphic.CellType) {
    case ctBitmap:
    case ctBitButton:
      Graphic.CellBitmap = ReadRecord<TGridBMPIO>(Owner, Stream);
      break;
    case ctIcon:
      Graphic.CellIcon = ReadRecord<TGridIconIO>(Owner, Stream);
      break;
    case ctPicture:
      Graphic.CellBitmap = ReadRecord<TGridPicIO>(Owner, Stream);
      break;
    case ctFilePicture:
      Graphic.CellBitmap = ReadRecord<TGridFilePicIO>(Owner, Stream);
      break;
    case ctRadio:
    case ctImages: {
      TGridSLIO strings(Owner);
      strings.Read(Stream);
      if (Graphic.CellType == ctImages) {
        for (const AnsiString& text : strings.Strings)
          if (!TryStrToInt(text, Indexes.emplace_back())) Refuse();
        return;
      }
      auto* list = new TStringList;
      Graphic.CellBitmap = list;
      for (const AnsiString& text : strings.Strings) list->Add(text);
      break;
    }
    default:
      return;
  }
  Graphic.CellCreated = true;
}

// The places of the cells in row order, each row's in the stream's order (the stream runs down
// the columns, the grid keeps its cells by row, so this order touches each row once). Rows
// spread far wider than there are cells keep the stream's order.
template <typename Cell>
std::vector<std::size_t> RowOrder(const std::vector<Cell>& Cells) {
  std::vector<std::size_t> order(Cells.size());
  if (Cells.empty()) return order;
  const auto [low, high] = std::minmax_element(
      Cells.begin(), Cells.end(), [](const Cell& a, const Cell& b) { return a.Row < b.Row; });
  const int64_t first = low->Row;
  const auto rows = static_cast<std::size_t>(int64_t{high->Row} - first + 1);
  if (rows > 4 * Cells.size()) {
    std::iota(order.begin(), order.end(), 0);
    return order;
  }
  std::vector<std::size_t> start(rows + 1);
  for (const Cell& cell : Cells) ++start[static_cast<std::size_t>(cell.Row - first) + 1];
  std::partial_sum(start.begin(), start.end(), start.begin());
  for (std::size_t i = 0; i < Cells.size(); ++i)
    order[start[static_cast<std::size_t>(Cells[i].Row - first)]++] = i;
  return order;
}

}  // namespace

struct TExtStringGrid::BinCells {
  TPoint At;  // where the first stored cell goes
  int ColCount = 0;
  int RowCount = 0;
  bool FullGrid = false;
  std::vector<int> ColWidths, RowHeights;  // a whole grid's only
  struct Dressing {
    TCellPropertiesRef Props;
    std::unique_ptr<TCellGraphic> Graphic;  // with the object read, its own
    std::vector<int> ImageIndexes;          // of an image index list
  };
  // Small, as most cells have only a text: a million of them are read before any is placed.
  struct Cell {
    int Col, Row;
    AnsiString Text;
    std::unique_ptr<Dressing> More;  // a cell with properties only
  };
  std::vector<Cell> Cells;
};

// The first record is always the rectangle's top-left cell, so a reader knows where the
// rectangle starts even when that cell is empty.
// The part of the rectangle outside the grid is left out.
void TExtStringGrid::SaveRectToBinStream(const TRect& Rect, TStream* Stream) {
  const int allCols = GetColCount() + NumHiddenColumns();
  const TGridRect R =
      ClipGridRect({Rect.Left, Rect.Top, Rect.Right, Rect.Bottom}, allCols, GetRowCount());
  TGridPropIO prop(this);
  prop.ColCount = std::max(0, R.Right - R.Left + 1);
  prop.RowCount = std::max(0, R.Bottom - R.Top + 1);
  prop.ColWidths = JoinNumbers(R.Left, R.Right, [this](int c) {
    return c < GetColCount() ? ColWidths(c) : GetAllColWidths(c);
  });
  prop.RowHeights = JoinNumbers(R.Top, R.Bottom, [this](int r) { return RowHeights(r); });
  prop.FullGrid =
      R.Left == 0 && R.Top == 0 && prop.ColCount == allCols && prop.RowCount == GetRowCount();
  prop.Write(*Stream);
  // Room for the records at once: growing would move them all again and again.
  const int64_t cells = int64_t{prop.ColCount} * prop.RowCount;
  Stream->Reserve(std::min<int64_t>(cells, static_cast<int64_t>(StoredCells()) + 1) *
                  kCellRecordBytes);

  TGridCellIO cell(this);
  TGridCellPropIO cellProp(this);
  TGridGraphicIO graphic(this);
  for (int c = R.Left; c <= R.Right; ++c)
    for (int r = R.Top; r <= R.Bottom; ++r) {
      const TCellProperties* props = FindCellProperties(c, r);
      cell.Col = c;
      cell.Row = r;
      cell.Cell = GetGridCell(c, r);
      cell.HasProp = props != nullptr;
      if (cell.Cell.empty() && !props && (c != R.Left || r != R.Top)) continue;
      cell.Write(*Stream);
      if (!props) continue;
      cellProp.CellProperties().Assign(*props);
      cellProp.HasGraphic = StoredGraphic(props->Graphic);
      cellProp.Write(*Stream);
      if (!cellProp.HasGraphic) continue;
      graphic.CellGraphic.Assign(*props->Graphic);
      graphic.Write(*Stream);
      WriteObject(this, *props->Graphic, *Stream);
    }
}

void TExtStringGrid::SaveToBinStream(TStream* Stream) {
  SaveRectToBinStream(TRect(0, 0, GetColCount() + NumHiddenColumns() - 1, GetRowCount() - 1),
                      Stream);
}

void TExtStringGrid::SaveToBinFile(const AnsiString& FileName) {
  TMemoryStream stream;
  SaveToBinStream(&stream);
  stream.SaveToFile(FileName);
}

void TExtStringGrid::ReadBinCells(const TPoint& P, TStream& Stream, BinCells& Cells) {
  TGridPropIO prop(this);
  prop.Read(Stream);
  if (prop.ColCount < 0 || prop.RowCount < 0 || prop.ColCount > kMaxLoadedLines ||
      prop.RowCount > kMaxLoadedLines)
    Refuse();
  Cells.At = P;
  Cells.ColCount = prop.ColCount;
  Cells.RowCount = prop.RowCount;
  Cells.FullGrid = prop.FullGrid;
  if (prop.FullGrid) {
    Cells.ColWidths = SplitNumbers(prop.ColWidths, prop.ColCount);
    Cells.RowHeights = SplitNumbers(prop.RowHeights, prop.RowCount);
  }
  // Room for the cells at once (growing would move them all again and again), no more than
  // the stream's bytes can hold: a cell's record takes at least 48 of them.
  const int64_t fit = (Stream.GetSize() - Stream.GetPosition()) / 48;
  Cells.Cells.reserve(static_cast<std::size_t>(
      std::clamp<int64_t>(fit, 0, int64_t{prop.ColCount} * prop.RowCount)));
  TGridCellIO cell(this);
  TGridCellPropIO cellProp(this);
  auto ReadGraphic = [this](TStream& In, BinCells::Dressing& Read) {
    TGridGraphicIO graphic(this);
    graphic.Read(In);
    const TCellType type = graphic.CellGraphic.CellType;
    // A graphic whose object the cell did not own is never written (see StoredGraphic).
    if (type == ctEmpty || (HoldsObject(type) && type != ctImages && !graphic.CellGraphic.CellCreated))
      Refuse();
    Read.Graphic = std::make_unique<TCellGraphic>();
    Read.Graphic->Assign(graphic.CellGraphic);
    Read.Graphic->CellCreated = false;  // until it holds the object read
    ReadObject(this, In, *Read.Graphic, Read.ImageIndexes);
  };
  while (Stream.GetPosition() < Stream.GetSize()) {
    cell.Read(Stream);
    BinCells::Cell& read = Cells.Cells.emplace_back();
    read.Col = cell.Col;
    read.Row = cell.Row;
    read.Text = std::move(cell.Cell);
    if (!cell.HasProp) continue;
    cellProp.Read(Stream);
    read.More = std::make_unique<BinCells::Dressing>();
    if (cellProp.HasGraphic) ReadGraphic(Stream, *read.More);
    read.More->Props = TCellPropertiesRef(new TCellProperties(nullptr, 0, 0));
    read.More->Props->Assign(cellProp.CellProperties());
  }
}

// Targets outside the grid are skipped; a paste writes only where a paste may.
void TExtStringGrid::PlaceBinCells(BinCells& Cells, bool Paste) {
  BeginUpdate();
  if (!Paste && Cells.FullGrid) {
    Clear();
    SetRowCountEx(Cells.RowCount);
    SetColCountEx(Cells.ColCount);
    for (int c = 0; c < Cells.ColCount && c < GetColCount(); ++c)
      SetColWidths(c, Cells.ColWidths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < Cells.RowCount && r < GetRowCount(); ++r)
      SetRowHeights(r, Cells.RowHeights[static_cast<std::size_t>(r)]);
  }
  if (!Cells.Cells.empty()) {
    const int64_t dx = int64_t{Cells.At.x} - Cells.Cells.front().Col;
    const int64_t dy = int64_t{Cells.At.y} - Cells.Cells.front().Row;
    const int64_t cols = GetColCount() + NumHiddenColumns();
    for (std::size_t i : RowOrder(Cells.Cells)) {
      BinCells::Cell& cell = Cells.Cells[i];
      const int64_t c = cell.Col + dx, r = cell.Row + dy;
      if (c < 0 || r < 0 || c >= cols || r >= GetRowCount()) continue;
      const int col = static_cast<int>(c), row = static_cast<int>(r);
      if (Paste && !MayPasteInto(col, row)) continue;
      SetGridCell(col, row, std::move(cell.Text));
      if (!cell.More) continue;
      BinCells::Dressing& more = *cell.More;
      GetCellProperties(col, row)->Assign(*more.Props);
      if (more.Graphic) {
        TCellGraphic* graphic = CreateCellGraphic(col, row);
        graphic->Assign(*more.Graphic);
        graphic->CellBitmap = std::exchange(more.Graphic->CellBitmap, nullptr);
        graphic->CellIcon = std::exchange(more.Graphic->CellIcon, nullptr);
        if (graphic->CellType == ctImages) {
          auto* list = new TIntList(col, row);
          for (int index : more.ImageIndexes) list->Add(index);
          list->OnChange = ImageListRepaint();
          graphic->CellBitmap = list;
        }
      }
    }
  }
  EndUpdate();
}

void TExtStringGrid::LoadAtPointFromBinStream(const TPoint& P, TStream* Stream) {
  BinCells cells;
  ReadBinCells(P, *Stream, cells);
  PlaceBinCells(cells, false);
  FinishLoading();
}

void TExtStringGrid::LoadFromBinFile(const AnsiString& FileName) {
  TMemoryStream stream;
  stream.LoadFromFile(FileName);
  LoadFromBinStream(&stream);
}

// A damaged block raises EStreamError before any cell changes. ACol is a shown column.
void TExtStringGrid::PasteBinCells(int ACol, int ARow, const std::vector<uint8_t>& Bytes) {
  TMemoryStream stream;
  if (!Bytes.empty()) stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  stream.SetPosition(0);
  BinCells cells;
  ReadBinCells(TPoint(RemapCol(ACol), ARow), stream, cells);
  if (!MayPaste()) return;
  PlaceBinCells(cells, true);
  const TGridRect pasted{ACol, ARow, ACol + std::max(cells.ColCount, 1) - 1,
                         ARow + std::max(cells.RowCount, 1) - 1};
  CellsChanged(TRect(pasted.Left, pasted.Top, pasted.Right, pasted.Bottom));
  PasteNotify(copyOrigin_, pasted, clipOperation_);
}
