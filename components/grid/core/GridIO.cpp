#include "components/grid/core/GridIO.h"

#include <cstring>
#include <utility>

#include "components/grid/html/FilePicture.h"
#include "components/grid/formats/StreamRecord.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

template <typename Enum>
Enum ReadChoice(TStreamRecordReader& In, const char* Name, Enum Last) {
  const int32_t value = In.Int(Name);
  if (value < 0 || value > static_cast<int32_t>(Last)) throw EStreamError("Stream read error");
  return static_cast<Enum>(value);
}

// A graphic's bytes as its own file holds them; an empty graphic has none.
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

constexpr uint64_t kFontStyleBits = TFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut}.Bits();

}  // namespace

void TGridPropIO::Write(TStream& Stream) const {
  TStreamRecordWriter out(Stream, "TGridPropIO");
  out.Int("ColCount", ColCount);
  out.Int("RowCount", RowCount);
  out.Text("ColWidths", ColWidths);
  out.Text("RowHeights", RowHeights);
  out.Bool("FullGrid", FullGrid);
  out.End();
}

void TGridPropIO::Read(TStream& Stream) {
  TStreamRecordReader in(Stream, "TGridPropIO");
  ColCount = in.Int("ColCount");
  RowCount = in.Int("RowCount");
  ColWidths = in.Text("ColWidths");
  RowHeights = in.Text("RowHeights");
  FullGrid = in.Bool("FullGrid");
  in.End();
}

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
  const TCellProperties& p = *props_;
  TStreamRecordWriter out(Stream, "TGridCellPropIO");
  out.Int("CellProperties.BrushStyle", p.BrushStyle);
  out.Int("CellProperties.BrushColor", static_cast<int32_t>(p.GetBrushColor()));
  out.Int("CellProperties.FontSize", p.FontSize);
  out.Int("CellProperties.FontColor", static_cast<int32_t>(p.FontColor));
  out.Int("CellProperties.FontStyle", static_cast<int32_t>(p.FontStyle.Bits()));
  out.Int("CellProperties.CellSpanY", p.CellSpanY);
  out.Int("CellProperties.CellSpanX", p.CellSpanX);
  out.Int("CellProperties.BorderWidth", p.BorderWidth);
  out.Int("CellProperties.BorderColor", static_cast<int32_t>(p.BorderColor));
  out.Int("CellProperties.Alignment", p.Alignment);
  out.Int("CellProperties.VAlignment", p.GetVAlignment());
  out.Bool("CellProperties.WordWrap", p.GetWordWrap());
  out.Bool("CellProperties.IsBaseCell", p.IsBaseCell);
  out.Int("CellProperties.NodeLevel", p.NodeLevel);
  out.Int("CellProperties.Editor", p.Editor);
  out.Text("CellProperties.FontName", p.FontName);
  out.Bool("CellProperties.ReadOnly", p.ReadOnly);
  out.Bool("HasGraphic", HasGraphic);
  out.End();
}

void TGridCellPropIO::Read(TStream& Stream) {
  TCellProperties& p = *props_;
  TStreamRecordReader in(Stream, "TGridCellPropIO");
  p.BrushStyle = ReadChoice(in, "CellProperties.BrushStyle", bsDiagCross);
  p.SetBrushColor(static_cast<TColor>(in.Int("CellProperties.BrushColor")));
  p.FontSize = in.Int("CellProperties.FontSize");
  p.FontColor = static_cast<TColor>(in.Int("CellProperties.FontColor"));
  p.FontStyle = TFontStyles::FromBits(static_cast<uint32_t>(in.Int("CellProperties.FontStyle")) &
                                      kFontStyleBits);
  p.CellSpanY = in.Int("CellProperties.CellSpanY");
  p.CellSpanX = in.Int("CellProperties.CellSpanX");
  p.BorderWidth = in.Int("CellProperties.BorderWidth");
  p.BorderColor = static_cast<TColor>(in.Int("CellProperties.BorderColor"));
  p.Alignment = ReadChoice(in, "CellProperties.Alignment", taCenter);
  p.SetVAlignment(ReadChoice(in, "CellProperties.VAlignment", vtaBottom));
  p.SetWordWrap(in.Bool("CellProperties.WordWrap"));
  p.IsBaseCell = in.Bool("CellProperties.IsBaseCell");
  p.NodeLevel = in.Int("CellProperties.NodeLevel");
  p.Editor = ReadChoice(in, "CellProperties.Editor", edRichEdit);
  p.FontName = in.Text("CellProperties.FontName");
  p.ReadOnly = in.Bool("CellProperties.ReadOnly");
  HasGraphic = in.Bool("HasGraphic");
  in.End();
}

void TGridGraphicIO::Write(TStream& Stream) const {
  const TCellGraphic& g = CellGraphic;
  TStreamRecordWriter out(Stream, "TGridGraphicIO");
  out.Int("CellGraphic.CellType", g.CellType);
  out.Int("CellGraphic.CellVAlign", g.CellVAlign);
  out.Int("CellGraphic.CellHAlign", g.CellHAlign);
  out.Int("CellGraphic.CellIndex", g.CellIndex);
  out.Bool("CellGraphic.CellTransparent", g.CellTransparent);
  out.Bool("CellGraphic.CellCreated", g.CellCreated);
  out.Bool("CellGraphic.CellBoolean", g.CellBoolean);
  out.Int("CellGraphic.CellAngle", g.CellAngle);
  out.Float("CellGraphic.CellValue", g.CellValue);
  out.Int("CellGraphic.CellErrFrom", g.CellErrFrom);
  out.Int("CellGraphic.CellErrLen", g.CellErrLen);
  out.Text("CellGraphic.CellText", g.CellText);
  out.Int("CellGraphic.CellColor", static_cast<int32_t>(g.CellColor));
  out.Int("CellGraphic.CellColor2", static_cast<int32_t>(g.CellColor2));
  out.End();
}

void TGridGraphicIO::Read(TStream& Stream) {
  TCellGraphic& g = CellGraphic;
  TStreamRecordReader in(Stream, "TGridGraphicIO");
  g.CellType = ReadChoice(in, "CellGraphic.CellType", ctBitButton);
  g.CellVAlign = ReadChoice(in, "CellGraphic.CellVAlign", vaFull);
  g.CellHAlign = ReadChoice(in, "CellGraphic.CellHAlign", haFull);
  g.CellIndex = in.Int("CellGraphic.CellIndex");
  g.CellTransparent = in.Bool("CellGraphic.CellTransparent");
  g.CellCreated = in.Bool("CellGraphic.CellCreated");
  g.CellBoolean = in.Bool("CellGraphic.CellBoolean");
  g.CellAngle = in.Int("CellGraphic.CellAngle");
  g.CellValue = in.Float("CellGraphic.CellValue");
  g.CellErrFrom = static_cast<int16_t>(in.Int("CellGraphic.CellErrFrom"));
  g.CellErrLen = static_cast<int16_t>(in.Int("CellGraphic.CellErrLen"));
  g.CellText = in.Text("CellGraphic.CellText");
  g.CellColor = static_cast<TColor>(in.Int("CellGraphic.CellColor"));
  g.CellColor2 = static_cast<TColor>(in.Int("CellGraphic.CellColor2"));
  in.End();
}

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
