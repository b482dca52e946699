#include "components/grid/core/GridIO.h"

#include <cstring>
#include <utility>

#include "components/grid/html/FilePicture.h"
#include "components/grid/formats/StreamRecordKeys.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

// The keys of the records in their order in the stream, walked by RecordKeys::Write and
// Read; the objects are const for writing.
struct PropRecord {
  static constexpr std::string_view kClass = "TGridPropIO";
  template <typename Io, typename Object>
  static void Keys(Io& io, Object& Of) {
    io.Int("ColCount", Of.ColCount);
    io.Int("RowCount", Of.RowCount);
    io.Text("ColWidths", Of.ColWidths);
    io.Text("RowHeights", Of.RowHeights);
    io.Bool("FullGrid", Of.FullGrid);
  }
};

struct CellPropRecord {
  static constexpr std::string_view kClass = "TGridCellPropIO";
  template <typename Io, typename Props, typename Flag>
  static void Keys(Io& io, Props& p, Flag& HasGraphic) {
    using P = TCellProperties;
    io.Choice("CellProperties.BrushStyle", p.BrushStyle, bsDiagCross);
    io.Int("CellProperties.BrushColor", RecordKeys::PropertyOf<&P::GetBrushColor, &P::SetBrushColor>(p));
    io.Int("CellProperties.FontSize", p.FontSize);
    io.Int("CellProperties.FontColor", p.FontColor);
    io.Styles("CellProperties.FontStyle", p.FontStyle);
    io.Int("CellProperties.CellSpanY", p.CellSpanY);
    io.Int("CellProperties.CellSpanX", p.CellSpanX);
    io.Int("CellProperties.BorderWidth", p.BorderWidth);
    io.Int("CellProperties.BorderColor", p.BorderColor);
    io.Choice("CellProperties.Alignment", p.Alignment, taCenter);
    io.Choice("CellProperties.VAlignment", RecordKeys::PropertyOf<&P::GetVAlignment, &P::SetVAlignment>(p),
              vtaBottom);
    io.Bool("CellProperties.WordWrap", RecordKeys::PropertyOf<&P::GetWordWrap, &P::SetWordWrap>(p));
    io.Bool("CellProperties.IsBaseCell", p.IsBaseCell);
    io.Int("CellProperties.NodeLevel", p.NodeLevel);
    io.Choice("CellProperties.Editor", p.Editor, edRichEdit);
    io.Text("CellProperties.FontName", p.FontName);
    io.Bool("CellProperties.ReadOnly", p.ReadOnly);
    io.Bool("HasGraphic", HasGraphic);
  }
};

struct GraphicRecord {
  static constexpr std::string_view kClass = "TGridGraphicIO";
  template <typename Io, typename Graphic>
  static void Keys(Io& io, Graphic& g) {
    io.Choice("CellGraphic.CellType", g.CellType, ctBitButton);
    io.Choice("CellGraphic.CellVAlign", g.CellVAlign, vaFull);
    io.Choice("CellGraphic.CellHAlign", g.CellHAlign, haFull);
    io.Int("CellGraphic.CellIndex", g.CellIndex);
    io.Bool("CellGraphic.CellTransparent", g.CellTransparent);
    io.Bool("CellGraphic.CellCreated", g.CellCreated);
    io.Bool("CellGraphic.CellBoolean", g.CellBoolean);
    io.Int("CellGraphic.CellAngle", g.CellAngle);
    io.Float("CellGraphic.CellValue", g.CellValue);
    io.Int("CellGraphic.CellErrFrom", g.CellErrFrom);
    io.Int("CellGraphic.CellErrLen", g.CellErrLen);
    io.Text("CellGraphic.CellText", g.CellText);
    io.Int("CellGraphic.CellColor", g.CellColor);
    io.Int("CellGraphic.CellColor2", g.CellColor2);
  }
};

// A graphic's bytes as in its own file; an empty graphic has none.
std::vector<uint8_t> SavedBytes(TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return {};
  TMemoryStream stream;
  Graphic->SaveToStream(stream);
  return stream.Bytes();
}

// Hands the bytes to Load as a stream of their own; no bytes leave the object empty.
template <typename Load>
void LoadBytes(const std::vector<uint8_t>& Bytes, Load Loader) {
  if (Bytes.empty()) return;
  TMemoryStream stream;
  stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  stream.SetPosition(0);
  Loader(stream);
}

// The value of each object kind, by overload.
void WriteObject(TStreamRecordWriter& Out, const char* Name, TGraphic& Graphic) {
  Out.Binary(Name, SavedBytes(&Graphic));
}
void WriteObject(TStreamRecordWriter& Out, const char* Name, TPicture& Picture) {
  Out.Binary(Name, SavedBytes(Picture.GetGraphic()));
}
void WriteObject(TStreamRecordWriter& Out, const char* Name, TFilePicture& Picture) {
  Out.Text(Name, Picture.GetFilename());
}
void ReadObject(TStreamRecordReader& In, const char* Name, TGraphic& Graphic) {
  LoadBytes(In.Binary(Name), [&](TStream& Stream) { Graphic.LoadFromStream(Stream); });
}
void ReadObject(TStreamRecordReader& In, const char* Name, TPicture& Picture) {
  LoadBytes(In.Binary(Name), [&](TStream& Stream) { Picture.LoadFromStream(Stream); });
}
void ReadObject(TStreamRecordReader& In, const char* Name, TFilePicture& Picture) {
  Picture.SetFileName(In.Text(Name));
}

// The cell record: its names, and the fixed runs of bytes before the values of Col and Row,
// the text's length, and HasProp's type, which the record's end byte follows.
namespace CellRecord {
constexpr std::string_view kClass = "TGridCellIO", kCol = "Col", kRow = "Row", kCell = "Cell",
                           kHasProp = "HasProp";
constexpr TRecordBytes kHead = TRecordBytes().Start(kClass).Property(kCol, StreamValue::Int);
constexpr TRecordBytes kRowRun = TRecordBytes().Property(kRow, StreamValue::Int);
constexpr TRecordBytes kCellRun = TRecordBytes().Property(kCell, StreamValue::Text);
constexpr TRecordBytes kTail = TRecordBytes().Name(kHasProp);
constexpr std::size_t kIntBytes = 4;
// All but the text.
constexpr std::size_t kFixed =
    kHead.Size() + kRowRun.Size() + kCellRun.Size() + kTail.Size() + 3 * kIntBytes + 2;

char* Put(char* To, const TRecordBytes& Run) {
  std::memcpy(To, Run.Data(), Run.Size());
  return To + Run.Size();
}
char* Put(char* To, int32_t Value) {
  StoreLittleEndian32(static_cast<uint32_t>(Value), reinterpret_cast<uint8_t*>(To));
  return To + kIntBytes;
}
int32_t Int(const char*& From) {
  const auto value = static_cast<int32_t>(LittleEndian32(reinterpret_cast<const uint8_t*>(From)));
  From += kIntBytes;
  return value;
}
// Steps over Run when the bytes at From are it.
bool Skip(const char*& From, const TRecordBytes& Run) {
  if (!Run.Opens(From)) return false;
  From += Run.Size();
  return true;
}
}  // namespace CellRecord

}  // namespace

void TGridPropIO::Write(TStream& Stream) const { RecordKeys::Write<PropRecord>(Stream, *this); }

void TGridPropIO::Read(TStream& Stream) { RecordKeys::Read<PropRecord>(Stream, *this); }

void TGridCellIO::Write(TStream& Stream) const {
  AnsiString out;
  Append(out, Col, Row, Cell, HasProp);
  Stream.WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

void TGridCellIO::Read(TStream& Stream) {
  using namespace CellRecord;
  TStreamRecordReader in(Stream, kClass);
  Col = in.Int(kCol);
  Row = in.Int(kRow);
  Cell = in.Text(kCell);
  HasProp = in.Bool(kHasProp);
  in.End();
}

void TGridCellIO::Append(AnsiString& Out, int Col, int Row, std::string_view Cell, bool HasProp) {
  using namespace CellRecord;
  const std::size_t at = Out.size();
  Out.resize(at + kFixed + Cell.size());
  char* to = Put(Put(Out.data() + at, kHead), Col);
  to = Put(Put(Put(to, kRowRun), Row), kCellRun);
  to = Put(to, static_cast<int32_t>(Cell.size()));
  std::memcpy(to, Cell.data(), Cell.size());
  to = Put(to + Cell.size(), kTail);
  to[0] = static_cast<char>(HasProp ? StreamValue::True : StreamValue::False);
  to[1] = 0;
}

std::size_t TGridCellIO::Parse(std::string_view Bytes, TGridCellRecord& Record) {
  using namespace CellRecord;
  const char* from = Bytes.data();
  if (Bytes.size() < kFixed || !Skip(from, kHead)) return 0;
  Record.Col = Int(from);
  if (!Skip(from, kRowRun)) return 0;
  Record.Row = Int(from);
  if (!Skip(from, kCellRun)) return 0;
  const int32_t length = Int(from);
  if (length < 0 || static_cast<uint64_t>(length) > Bytes.size() - kFixed) return 0;
  Record.Cell = std::string_view(from, static_cast<std::size_t>(length));
  from += length;
  if (!Skip(from, kTail)) return 0;
  const uint8_t type = static_cast<uint8_t>(*from++);
  if ((type != StreamValue::True && type != StreamValue::False) || *from++ != 0) return 0;
  Record.HasProp = type == StreamValue::True;
  return static_cast<std::size_t>(from - Bytes.data());
}

TGridCellPropIO::TGridCellPropIO(TComponent* AOwner)
    : TComponent(AOwner), props_(new TCellProperties(nullptr, 0, 0)) {}

void TGridCellPropIO::Write(TStream& Stream) const {
  RecordKeys::Write<CellPropRecord>(Stream, *props_, HasGraphic);
}

void TGridCellPropIO::Read(TStream& Stream) {
  RecordKeys::Read<CellPropRecord>(Stream, *props_, HasGraphic);
}

void TGridGraphicIO::Write(TStream& Stream) const {
  RecordKeys::Write<GraphicRecord>(Stream, CellGraphic);
}

void TGridGraphicIO::Read(TStream& Stream) { RecordKeys::Read<GraphicRecord>(Stream, CellGraphic); }

void TGridSLIO::Write(TStream& Stream) const {
  TStreamRecordWriter out(Stream, "TGridSLIO");
  out.Int("Strings.Count", static_cast<int32_t>(Strings.size()));
  for (const AnsiString& text : Strings) out.Text("Strings.Item", text);
  out.End();
}

// A damaged count ends in a read error at the stream's end, having allocated only what was read.
void TGridSLIO::Read(TStream& Stream) {
  TStreamRecordReader in(Stream, "TGridSLIO");
  Strings.clear();
  for (int32_t count = in.Int("Strings.Count"); count > 0; --count)
    Strings.push_back(in.Text("Strings.Item"));
  in.End();
}

template <typename T>
TGridObjectIO<T>::TGridObjectIO(TComponent* AOwner, const char* ClassName, const char* Property)
    : TComponent(AOwner), className_(ClassName), property_(Property), object_(new T) {}

template <typename T>
TGridObjectIO<T>::~TGridObjectIO() = default;

template <typename T>
void TGridObjectIO<T>::Write(TStream& Stream, T& Object) const {
  TStreamRecordWriter out(Stream, className_);
  WriteObject(out, property_, Object);
  out.End();
}

template <typename T>
void TGridObjectIO<T>::Read(TStream& Stream) {
  TStreamRecordReader in(Stream, className_);
  auto read = std::make_unique<T>();
  ReadObject(in, property_, *read);
  in.End();
  object_ = std::move(read);
}

template <typename T>
T* TGridObjectIO<T>::Take() {
  return std::exchange(object_, std::make_unique<T>()).release();
}

template class TGridObjectIO<TBitmap>;
template class TGridObjectIO<TIcon>;
template class TGridObjectIO<TPicture>;
template class TGridObjectIO<TFilePicture>;
