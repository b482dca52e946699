// The column settings stream: "COLS", a version (1), the number of columns, then each column's
// settings in a fixed order (BinaryStream.h gives the encoding). It holds every setting but
// those that refer to other components: the edit link and the popup menu with its type.
#include <cstring>
#include <type_traits>

#include "components/grid/formats/BinaryStream.h"
#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/columns/ExtCGridSettings.h"
#include "components/grid/grid/ExtGridError.h"

namespace {
constexpr char kMagic[4] = {'C', 'O', 'L', 'S'};
constexpr int32_t kVersion = 1;
// What a column takes at least in the stream; a count beyond what is left is refused.
constexpr int kMinColumnBytes = 64;

constexpr const char* kNoColumnSettings = "Stream does not hold column settings";
constexpr const char* kUnknownVersion = "Column settings of an unknown version";

void WriteFont(BinaryWriter& Out, const TFont& Font) {
  Out.Text(Font.GetName());
  Out.Int(Font.GetHeight());
  Out.Int(Font.GetPixelsPerInch());
  Out.Byte(static_cast<uint8_t>(Font.GetStyle().Bits()));
  Out.Int(Font.GetColor());
  Out.Byte(Font.GetPitch());
  Out.Byte(Font.GetCharset());
  Out.Int(Font.GetOrientation());
}

void ReadFont(BinaryReader& In, TFont& Font) {
  Font.SetName(In.Text());
  const int height = In.Int();
  const int pixelsPerInch = In.Int();
  if (pixelsPerInch <= 0) throw EStreamError("Stream read error");
  Font.SetPixelsPerInch(pixelsPerInch);
  Font.SetHeight(height);
  Font.SetStyle(TFontStyles::FromBits(In.Byte() & TFontStyles{fsBold, fsItalic, fsUnderline,
                                                                 fsStrikeOut}.Bits()));
  Font.SetColor(In.Int());
  Font.SetPitch(In.Choice(fpFixed));
  Font.SetCharset(In.Byte());
  Font.SetOrientation(In.Int());
}

void WritePen(BinaryWriter& Out, const TPen& Pen) {
  Out.Int(Pen.GetColor());
  Out.Int(Pen.GetWidth());
  Out.Byte(Pen.GetStyle());
  Out.Byte(Pen.GetMode());
}

void ReadPen(BinaryReader& In, TPen& Pen) {
  Pen.SetColor(In.Int());
  Pen.SetWidth(In.Int());
  Pen.SetStyle(In.Choice(psInsideFrame));
  Pen.SetMode(In.Choice(pmNotXor));
}

void WriteList(BinaryWriter& Out, const TStrings& List) {
  Out.Int(List.Count());
  for (int i = 0; i < List.Count(); ++i) Out.Text(List.Strings(i));
}

void ReadList(BinaryReader& In, TStrings& List) {
  List.Clear();
  for (int i = In.Count(4); i > 0; --i) List.Add(In.Text());
}

constexpr TCellBorders kAllBorders{cbTop, cbLeft, cbRight, cbBottom};

void WriteBorders(BinaryWriter& Out, TCellBorders Borders) {
  Out.Byte(static_cast<uint8_t>(Borders.Bits()));
}

TCellBorders ReadBorders(BinaryReader& In) {
  return TCellBorders::FromBits(In.Byte() & kAllBorders.Bits());
}

constexpr TAlignment LastOf(TAlignment) { return taCenter; }
constexpr TSortStyle LastOf(TSortStyle) { return ssImages; }
constexpr TEditorType LastOf(TEditorType) { return edRichEdit; }

void Write(BinaryWriter& Out, int32_t Value) { Out.Int(Value); }
void Write(BinaryWriter& Out, bool Value) { Out.Bool(Value); }
void Write(BinaryWriter& Out, const AnsiString& Value) { Out.Text(Value); }
void Write(BinaryWriter& Out, TCellBorders Value) { WriteBorders(Out, Value); }
void Write(BinaryWriter& Out, const TFont* Value) { WriteFont(Out, *Value); }
void Write(BinaryWriter& Out, const TPen* Value) { WritePen(Out, *Value); }
void Write(BinaryWriter& Out, const TStrings* Value) { WriteList(Out, *Value); }
template <typename Enum>
  requires std::is_enum_v<Enum>
void Write(BinaryWriter& Out, Enum Value) {
  Out.Byte(static_cast<uint8_t>(Value));
}

template <typename T>
T Read(BinaryReader& In) {
  if constexpr (std::is_same_v<T, bool>) return In.Bool();
  else if constexpr (std::is_enum_v<T>) return In.Choice(LastOf(T{}));
  else if constexpr (std::is_same_v<T, int32_t>) return In.Int();
  else if constexpr (std::is_same_v<T, AnsiString>) return In.Text();
  else return ReadBorders(In);
}

// Fonts, pens and lists are read into the item's own.
void ReadInto(BinaryReader& In, TFont* Font) { ReadFont(In, *Font); }
void ReadInto(BinaryReader& In, TPen* Pen) { ReadPen(In, *Pen); }
void ReadInto(BinaryReader& In, TStrings* List) { ReadList(In, *List); }

void WriteColumn(BinaryWriter& Out, const TGridColumnItem& Item) {
  ColumnSettings::ForEach([&](auto Setting) { Write(Out, Setting.Get(Item)); });
}

// Into an item of a collection without grid, so the setters only store.
void ReadColumn(BinaryReader& In, TGridColumnItem& Item) {
  ColumnSettings::ForEach([&](auto Setting) {
    using T = std::decay_t<decltype(Setting.Get(Item))>;
    if constexpr (std::is_pointer_v<T>) ReadInto(In, Setting.Get(Item));
    else Setting.Set(Item, Read<T>(In));
  });
}

void ReadHeader(BinaryReader& In) {
  char magic[sizeof kMagic];
  for (char& c : magic) c = static_cast<char>(In.Byte());
  if (std::memcmp(magic, kMagic, sizeof kMagic) != 0) throw EExtGridError(kNoColumnSettings);
  if (In.Int() != kVersion) throw EExtGridError(kUnknownVersion);
}
}  // namespace

// --- TExtColumnGridIO ------------------------------------------------------------------------

TExtColumnGridIO::TExtColumnGridIO(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TGridColumnCollection>(nullptr)) {}

TExtColumnGridIO::~TExtColumnGridIO() = default;

void TExtColumnGridIO::WriteToStream(TStream& Stream) const {
  BinaryWriter out(Stream);
  for (char c : kMagic) out.Byte(static_cast<uint8_t>(c));
  out.Int(kVersion);
  out.Int(items_->Count());
  for (int i = 0; i < items_->Count(); ++i) WriteColumn(out, *items_->GetItem(i));
}

void TExtColumnGridIO::ReadFromStream(TStream& Stream) {
  BinaryReader in(Stream);
  ReadHeader(in);
  TGridColumnCollection read(nullptr);
  for (int i = in.Count(kMinColumnBytes); i > 0; --i) ReadColumn(in, *read.Add());
  items_->Assign(read);
}

// --- TExtColumnGrid --------------------------------------------------------------------------

void TExtColumnGrid::SaveColumnsToStream(TStream* Stream) {
  TExtColumnGridIO io(this);
  io.SetItems(columns_.get());
  io.WriteToStream(*Stream);
}

void TExtColumnGrid::LoadColumnsFromStream(TStream* Stream) {
  TExtColumnGridIO io(this);
  io.ReadFromStream(*Stream);
  // The stream holds no edit links: the columns keep theirs.
  TGridColumnCollection* loaded = io.GetItems();
  for (int i = 0; i < loaded->Count() && i < columns_->Count(); ++i)
    loaded->GetItem(i)->EditLink = columns_->GetItem(i)->EditLink;
  columns_->Assign(*loaded);
}
