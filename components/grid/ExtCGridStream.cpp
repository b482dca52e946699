// The column settings stream: "COLS", a version (1), the number of columns, then each column's
// settings in a fixed order (BinaryStream.h gives the encoding). It holds every setting but
// those that refer to other components: the edit link and the popup menu with its type.
#include <cstring>

#include "components/grid/BinaryStream.h"
#include "components/grid/ExtCGrid.h"
#include "components/grid/ExtGridError.h"

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

void WriteColumn(BinaryWriter& Out, const TGridColumnItem& Item) {
  Out.Int(Item.GetWidth());
  Out.Byte(Item.GetAlignment());
  Out.Text(Item.GetHeader());
  Out.Byte(Item.SortStyle);
  Out.Text(Item.SortPrefix);
  Out.Text(Item.SortSuffix);
  Out.Text(Item.EditMask);
  Out.Int(Item.EditLength);
  WriteFont(Out, *Item.GetFont());
  Out.Int(Item.GetColor());
  Out.Byte(Item.GetEditor());
  Out.Bool(Item.GetFixed());
  Out.Bool(Item.ReadOnly);
  WriteList(Out, *Item.GetComboItems());
  Out.Int(Item.SpinMin);
  Out.Int(Item.SpinMax);
  Out.Int(Item.SpinStep);
  Out.Bool(Item.GetPassword());
  WriteFont(Out, *Item.GetPrintFont());
  Out.Int(Item.PrintColor);
  WriteBorders(Out, Item.GetBorders());
  WritePen(Out, *Item.GetBorderPen());
  WriteBorders(Out, Item.PrintBorders);
  WritePen(Out, *Item.GetPrintBorderPen());
  Out.Int(Item.Tag);
  Out.Int(Item.Position);
  Out.Text(Item.Name);
  Out.Text(Item.CheckFalse);
  Out.Text(Item.CheckTrue);
  Out.Bool(Item.GetShowBands());
  WriteList(Out, *Item.GetFilter());
  Out.Int(Item.MaxSize);
  Out.Int(Item.MinSize);
  Out.Int(Item.AutoMinSize);
  Out.Int(Item.AutoMaxSize);
  Out.Bool(Item.FilterCaseSensitive);
}

// Into an item of a collection without grid, so the setters only store.
void ReadColumn(BinaryReader& In, TGridColumnItem& Item) {
  Item.SetWidth(In.Int());
  Item.SetAlignment(In.Choice(taCenter));
  Item.SetHeader(In.Text());
  Item.SortStyle = In.Choice(ssImages);
  Item.SortPrefix = In.Text();
  Item.SortSuffix = In.Text();
  Item.EditMask = In.Text();
  Item.EditLength = In.Int();
  ReadFont(In, *Item.GetFont());
  Item.SetColor(In.Int());
  Item.SetEditor(In.Choice(edRichEdit));
  Item.SetFixed(In.Bool());
  Item.ReadOnly = In.Bool();
  ReadList(In, *Item.GetComboItems());
  Item.SpinMin = In.Int();
  Item.SpinMax = In.Int();
  Item.SpinStep = In.Int();
  Item.SetPassword(In.Bool());
  ReadFont(In, *Item.GetPrintFont());
  Item.PrintColor = In.Int();
  Item.SetBorders(ReadBorders(In));
  ReadPen(In, *Item.GetBorderPen());
  Item.PrintBorders = ReadBorders(In);
  ReadPen(In, *Item.GetPrintBorderPen());
  Item.Tag = In.Int();
  Item.Position = In.Int();
  Item.Name = In.Text();
  Item.CheckFalse = In.Text();
  Item.CheckTrue = In.Text();
  Item.SetShowBands(In.Bool());
  ReadList(In, *Item.GetFilter());
  Item.MaxSize = In.Int();
  Item.MinSize = In.Int();
  Item.AutoMinSize = In.Int();
  Item.AutoMaxSize = In.Int();
  Item.FilterCaseSensitive = In.Bool();
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
