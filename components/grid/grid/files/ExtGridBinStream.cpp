// TExtStringGrid: the binary grid stream (GridIO.h gives its records). A stream is read whole
// before the grid changes, so a damaged one leaves the grid as it was.
#include <algorithm>
#include <memory>
#include <utility>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/GridIO.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/TextLines.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/files/BinStream.h"
#include "components/grid/grid/files/CopyPaste.h"
#include "components/grid/grid/files/FileIO.h"
#include "components/grid/html/FilePicture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

[[noreturn]] void Refuse() { throw EStreamError("Stream read error"); }

// What the record of a cell with a short text and no properties takes.
constexpr int64_t kCellRecordBytes = 64;
// The cell records go to the stream in pieces of this size.
constexpr std::size_t kBatchBytes = 1 << 16;
// How many rows ahead a save fetches the cell it will write.
constexpr int kFetchAhead = 16;

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

}  // namespace

// The rest of a cell with properties.
struct TExtStringGrid::BinStream::BinDressing {
  TCellPropertiesRef Props;
  std::unique_ptr<TCellGraphic> Graphic;  // with the object read, its own
  std::vector<int> ImageIndexes;          // of an image index list
  std::size_t Next = 0;                   // where the next cell's record starts
};

// A stream read whole before the grid changes: its cells' records stay where they lie in the
// stream's bytes, so a million cells are read without a copy, and are placed from there.
struct TExtStringGrid::BinStream::BinCells {
  TPoint At;  // where the first stored cell goes
  int ColCount = 0;
  int RowCount = 0;
  bool FullGrid = false;
  std::vector<int> ColWidths, RowHeights;  // a whole grid's only
  TMemoryStream Copy;                      // the bytes of a stream not in memory
  std::string_view Records;                // from the first cell's record on
  std::size_t Count = 0;                   // cell records
  TPoint First;                            // the first cell's place in the stream
  std::vector<BinDressing> Dressed;        // in the stream's order
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

  // The cell records go in large pieces, a few writes for a million of them.
  AnsiString batch;
  batch.reserve(kBatchBytes + 256);
  auto flush = [&] {
    Stream->WriteBuffer(batch.data(), static_cast<int64_t>(batch.size()));
    batch.clear();
  };
  TGridCellPropIO cellProp(this);
  TGridGraphicIO graphic(this);
  for (int c = R.Left; c <= R.Right; ++c)
    for (int r = R.Top; r <= R.Bottom; ++r) {
      // The stream runs down a column, the store keeps its cells by row: each cell lies in
      // another row's memory, so the one a few rows on is fetched while this one is written.
      if (r + kFetchAhead <= R.Bottom) __builtin_prefetch(&Cells(c, r + kFetchAhead));
      const TCellProperties* props = FindCellProperties(c, r);
      const AnsiString& text = Cells(c, r);
      if (text.empty() && !props && (c != R.Left || r != R.Top)) continue;
      TGridCellIO::Append(batch, c, r, text, props != nullptr);
      if (!props) {
        if (batch.size() >= kBatchBytes) flush();
        continue;
      }
      flush();
      cellProp.CellProperties().Assign(*props);
      cellProp.HasGraphic = StoredGraphic(props->Graphic);
      cellProp.Write(*Stream);
      if (!cellProp.HasGraphic) continue;
      graphic.CellGraphic.Assign(*props->Graphic);
      graphic.Write(*Stream);
      WriteObject(this, *props->Graphic, *Stream);
    }
  flush();
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

void TExtStringGrid::BinStream::ReadBinCells(const TPoint& P, TStream& Stream, BinCells& Cells) {
  TGridPropIO prop(&g);
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
  // The cells' records are read in place: a stream not in memory is read into one first, and
  // left where a refusal leaves the copy.
  if (Stream.GetPosition() >= Stream.GetSize() || Stream.Contents())
    return ReadCellRecords(Stream, Cells);
  const int64_t start = Stream.GetPosition();
  const std::vector<uint8_t> rest = Stream.ReadRest();
  Cells.Copy.WriteBuffer(rest.data(), static_cast<int64_t>(rest.size()));
  Cells.Copy.SetPosition(0);
  try {
    ReadCellRecords(Cells.Copy, Cells);
  } catch (...) {
    Stream.SetPosition(start + Cells.Copy.GetPosition());
    throw;
  }
}

// Checks every cell record and reads the properties, graphics and objects that follow some.
void TExtStringGrid::BinStream::ReadCellRecords(TStream& Stream, BinCells& Cells) {
  const int64_t start = Stream.GetPosition(), size = Stream.GetSize();
  if (start >= size) return;
  Cells.Records = std::string_view(reinterpret_cast<const char*>(Stream.Contents()) + start,
                                   static_cast<std::size_t>(size - start));
  TGridCellPropIO cellProp(&g);
  auto ReadGraphic = [this](TStream& In, BinDressing& Read) {
    TGridGraphicIO graphic(&g);
    graphic.Read(In);
    const TCellType type = graphic.CellGraphic.CellType;
    // A graphic whose object the cell did not own is never written (see StoredGraphic).
    if (type == ctEmpty ||
        (HoldsObject(type) && type != ctImages && !graphic.CellGraphic.CellCreated))
      Refuse();
    Read.Graphic = std::make_unique<TCellGraphic>();
    Read.Graphic->Assign(graphic.CellGraphic);
    Read.Graphic->CellCreated = false;  // until it holds the object read
    ReadObject(&g, In, *Read.Graphic, Read.ImageIndexes);
  };
  TGridCellRecord cell;
  for (std::size_t at = 0; at < Cells.Records.size();) {
    const std::size_t length = TGridCellIO::Parse(Cells.Records.substr(at), cell);
    if (length == 0) {
      // The stream reader refuses it where it breaks off.
      Stream.SetPosition(start + static_cast<int64_t>(at));
      TGridCellIO(&g).Read(Stream);
      Refuse();
    }
    if (Cells.Count++ == 0) Cells.First = TPoint(cell.Col, cell.Row);
    at += length;
    if (!cell.HasProp) continue;
    Stream.SetPosition(start + static_cast<int64_t>(at));
    cellProp.Read(Stream);
    BinDressing& read = Cells.Dressed.emplace_back();
    if (cellProp.HasGraphic) ReadGraphic(Stream, read);
    read.Props = TCellPropertiesRef(new TCellProperties(nullptr, 0, 0));
    read.Props->Assign(cellProp.CellProperties());
    at = static_cast<std::size_t>(Stream.GetPosition() - start);
    read.Next = at;
  }
  Stream.SetPosition(size);
}

// Targets outside the grid are skipped; a paste writes only where a paste may. The cells go
// in the stream's order, so a cell stored twice keeps its last text.
void TExtStringGrid::BinStream::PlaceBinCells(BinCells& Cells, bool Paste) {
  g.BeginUpdate();
  if (!Paste && Cells.FullGrid) {
    g.Clear();
    g.SetRowCountEx(Cells.RowCount);
    g.SetColCountEx(Cells.ColCount);
    for (int c = 0; c < Cells.ColCount && c < g.GetColCount(); ++c)
      g.SetColWidths(c, Cells.ColWidths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < Cells.RowCount && r < g.GetRowCount(); ++r)
      g.SetRowHeights(r, Cells.RowHeights[static_cast<std::size_t>(r)]);
  }
  if (Cells.Count > 0) PlaceCellRecords(Cells, Paste);
  g.EndUpdate();
}

void TExtStringGrid::BinStream::PlaceCellRecords(BinCells& Cells, bool Paste) {
  const int64_t dx = int64_t{Cells.At.x} - Cells.First.x;
  const int64_t dy = int64_t{Cells.At.y} - Cells.First.y;
  const int cols = g.GetColCount() + g.NumHiddenColumns(), rows = g.GetRowCount();
  // The rectangle in the grid; its rows get their room at once when the cells fill it well.
  const TGridRect target =
      ClipGridRect({Cells.At.x, Cells.At.y, Lines::LastOf(Cells.At.x, Cells.ColCount, cols - 1),
                    Lines::LastOf(Cells.At.y, Cells.RowCount, rows - 1)},
                   cols, rows);
  const int64_t area = int64_t{Cells.ColCount} * Cells.RowCount;
  if (target.Left <= target.Right && 2 * static_cast<int64_t>(Cells.Count) >= area)
    g.ReserveCellRows(target.Top, target.Bottom, target.Right + 1);
  TGridRect placed{cols, rows, -1, -1};
  TGridCellRecord cell;
  std::size_t at = 0;
  auto dressed = Cells.Dressed.begin();
  for (std::size_t i = 0; i < Cells.Count; ++i) {
    at += TGridCellIO::Parse(Cells.Records.substr(at), cell);
    BinDressing* more = cell.HasProp ? &*dressed++ : nullptr;
    if (more) at = more->Next;
    const int64_t c = cell.Col + dx, r = cell.Row + dy;
    if (c < 0 || r < 0 || c >= cols || r >= rows) continue;
    const int col = static_cast<int>(c), row = static_cast<int>(r);
    if (Paste && !CopyPaste(g).MayPasteInto(col, row)) continue;
    g.StoreCellText(col, row, AnsiString(cell.Cell));
    if (more) DressBinCell(col, row, *more);
    placed = {std::min(placed.Left, col), std::min(placed.Top, row), std::max(placed.Right, col),
              std::max(placed.Bottom, row)};
  }
  if (placed.Left <= placed.Right) g.CellTextsStored(placed);
}

void TExtStringGrid::BinStream::DressBinCell(int ACol, int ARow, BinDressing& More) {
  g.GetCellProperties(ACol, ARow)->Assign(*More.Props);
  if (!More.Graphic) return;
  TCellGraphic* graphic = g.CreateCellGraphic(ACol, ARow);
  graphic->Assign(*More.Graphic);
  graphic->CellBitmap = std::exchange(More.Graphic->CellBitmap, nullptr);
  graphic->CellIcon = std::exchange(More.Graphic->CellIcon, nullptr);
  if (graphic->CellType == ctImages) {
    auto* list = new TIntList(ACol, ARow);
    for (int index : More.ImageIndexes) list->Add(index);
    list->OnChange = CellGraphics(g).ImageListRepaint();
    graphic->CellBitmap = list;
  }
}

void TExtStringGrid::LoadAtPointFromBinStream(const TPoint& P, TStream* Stream) {
  BinStream bin(*this);
  BinStream::BinCells cells;
  bin.ReadBinCells(P, *Stream, cells);
  bin.PlaceBinCells(cells, false);
  FileIO(*this).FinishLoading();
}

void TExtStringGrid::LoadFromBinFile(const AnsiString& FileName) {
  TMemoryStream stream;
  stream.LoadFromFile(FileName);
  LoadFromBinStream(&stream);
}

// A damaged block raises EStreamError before any cell changes. ACol is a shown column.
void TExtStringGrid::CopyPaste::PasteBinCells(int ACol, int ARow,
                                              const std::vector<uint8_t>& Bytes) {
  TMemoryStream stream;
  if (!Bytes.empty()) stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  stream.SetPosition(0);
  BinStream bin(g);
  BinStream::BinCells cells;
  bin.ReadBinCells(TPoint(g.RemapCol(ACol), ARow), stream, cells);
  if (!MayPaste()) return;
  bin.PlaceBinCells(cells, true);
  const TGridRect pasted{ACol, ARow, ACol + std::max(cells.ColCount, 1) - 1,
                         ARow + std::max(cells.RowCount, 1) - 1};
  g.CellsChanged(TRect(pasted.Left, pasted.Top, pasted.Right, pasted.Bottom));
  g.PasteNotify(g.d_->clip->CopyOrigin, pasted, g.d_->clip->Operation);
}
