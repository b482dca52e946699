// TExtStringGrid: copy and cut to the clipboard and paste from it. A copy puts up to three
// formats together: the cells as text, the top-left cell's rich text, and the cells with
// their properties as a binary grid stream of the program's own format.
#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/TabText.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/files/ClipState.h"
#include "components/grid/grid/input/InputState.h"
#include "platform/controls/clipboard.h"

namespace {

constexpr const char* kGridCellsFormat = "TExtStringGrid Cells";
constexpr const char* kRichTextFormat = "Rich Text Format";

unsigned GridCellsFormat() { return RegisterClipboardFormat(kGridCellsFormat); }
unsigned RichTextFormat() { return RegisterClipboardFormat(kRichTextFormat); }

bool Holds(const AnsiString& Text, const char* Part) { return Pos(Part, Text) > 0; }

// The clipboard's batch: every format set between its construction and its end is one content.
class ClipboardBatch {
 public:
  ClipboardBatch() { Clipboard()->Open(); }
  ~ClipboardBatch() { Clipboard()->Close(); }
  ClipboardBatch(const ClipboardBatch&) = delete;
  ClipboardBatch& operator=(const ClipboardBatch&) = delete;
};

}  // namespace

// The rectangle is in shown columns.
AnsiString TExtStringGrid::CopyText(const TGridRect& R, bool SelectedRowsOnly) {
  TTabRows rows;
  for (int r = R.Top; r <= R.Bottom; ++r) {
    if (SelectedRowsOnly && MouseActions.DisjunctRowSelect && !GetRowSelect(r)) continue;
    std::vector<AnsiString>& fields = rows.emplace_back();
    for (int c = R.Left; c <= R.Right; ++c) {
      const int col = RemapCol(c);
      AnsiString text = SaveCell(col, r);
      if (!Navigation.CopyHTMLTagsToClipboard && Holds(text, "</")) {
        text = GetStrippedCell(col, r);
      } else if (Holds(text, "{\\")) {
        TRichText rich;
        CellToRich(col, r, rich);
        text = rich.GetText();
      }
      if (MultiLineClipboard && LinesInText(text, true) > 1) LineFeedsToCSV(text);
      fields.push_back(std::move(text));
    }
  }
  return JoinTabText(rows);
}

TExtStringGrid::ClipContent TExtStringGrid::CopyContent(const TGridRect& R, bool SelectedRowsOnly) {
  ClipContent content;
  content.text = CopyText(R, SelectedRowsOnly);
  if (Navigation.AllowRTFClipboard) content.rich = RichBytes(RemapCol(R.Left), R.Top);
  // The cells' block is a rectangle of stored columns: hidden ones inside travel with it.
  if (Navigation.AllowFmtClipboard)
    content.cells = CellBytes({RemapCol(R.Left), R.Top, RemapCol(R.Right), R.Bottom});
  return content;
}

void TExtStringGrid::CopyFunc(const TGridRect& R, bool SelectedRowsOnly) {
  clip_->CopyOrigin = TPoint(R.Left, R.Top);
  const ClipContent content = CopyContent(R, SelectedRowsOnly);
  ClipboardBatch batch;
  Clipboard()->SetTextBuf(content.text->c_str());
  if (content.rich) Clipboard()->SetAsBytes(RichTextFormat(), *content.rich);
  if (content.cells) Clipboard()->SetAsBytes(GridCellsFormat(), *content.cells);
}

std::optional<std::vector<uint8_t>> TExtStringGrid::RichBytes(int ACol, int ARow) {
  const AnsiString text = GetCellEx(ACol, ARow);
  if (!Holds(text, "{\\")) return std::nullopt;
  return std::vector<uint8_t>(text.begin(), text.end());
}

void TExtStringGrid::CopyRTFFunc(int ACol, int ARow) {
  if (const auto rich = RichBytes(ACol, ARow)) Clipboard()->SetAsBytes(RichTextFormat(), *rich);
}

std::vector<uint8_t> TExtStringGrid::CellBytes(const TGridRect& R) {
  TMemoryStream stream;
  SaveRectToBinStream(TRect(R.Left, R.Top, R.Right, R.Bottom), &stream);
  return stream.Bytes();
}

void TExtStringGrid::CopyBinFunc(const TGridRect& R) {
  Clipboard()->SetAsBytes(GridCellsFormat(), CellBytes(R));
}

namespace {
TGridRect SaveRange(const TExtStringGrid& Grid) {
  return {Grid.GetSaveStartCol(), Grid.GetSaveStartRow(), Grid.GetSaveEndCol(),
          Grid.GetSaveEndRow()};
}
}  // namespace

void TExtStringGrid::CopyToClipBoard() {
  CopyFunc(SaveRange(*this), false);
  clip_->Operation = coCopy;
}

// With disjunct row selection the selected rows of the save range, else the selection.
TGridRect TExtStringGrid::SelectionCopyRange() const {
  return MouseActions.DisjunctRowSelect ? SaveRange(*this) : GetSelection();
}

void TExtStringGrid::CopySelectionToClipboard() {
  CopyFunc(SelectionCopyRange(), MouseActions.DisjunctRowSelect);
  clip_->Operation = coCopy;
}

bool TExtStringGrid::MayPaste() const {
  return GetOptions().Contains(goEditing) || Navigation.AllowClipboardAlways ||
         input_->Resizer.pasting;
}

bool TExtStringGrid::MayPasteInto(int ACol, int ARow) {
  return ACol >= 0 && ARow >= 0 && ACol < GetColCount() + NumHiddenColumns() &&
         ARow < GetRowCount() && (Navigation.AllowClipboardAlways || IsEditable(ACol, ARow));
}

// Cut obeys what a paste obeys: only cells a paste may write are emptied. R is in shown
// columns unless Stored.
void TExtStringGrid::EmptyCells(const TGridRect& R, bool Properties, bool Stored) {
  BeginUpdate();
  for (int r = R.Top; r <= R.Bottom; ++r)
    for (int c = R.Left; c <= R.Right; ++c) {
      const int col = Stored ? c : RemapCol(c);
      if (!MayPasteInto(col, r)) continue;
      SetGridCell(col, r, "");
      if (Properties) ClearPropCell(col, r);
    }
  EndUpdate();
  CellsChanged(TRect(R.Left, R.Top, R.Right, R.Bottom));
}

void TExtStringGrid::CutToClipboard() {
  CopyToClipBoard();
  EmptyCells(SaveRange(*this), false);
  clip_->Operation = coCut;
}

void TExtStringGrid::CutSelectionToClipboard() {
  CopySelectionToClipboard();
  if (MouseActions.DisjunctRowSelect) {
    for (int r = GetFixedRows(); r < GetRowCount(); ++r)
      if (GetRowSelect(r))
        EmptyCells({0, r, GetColCount() + NumHiddenColumns() - 1, r}, true, true);
  } else {
    EmptyCells(GetSelection(), Navigation.AllowFmtClipboard);
  }
  clip_->Operation = coCut;
}

void TExtStringGrid::PasteFromClipboard() { PasteFunc(GetSaveStartCol(), GetSaveStartRow()); }

void TExtStringGrid::PasteSelectionFromClipboard() { PasteSelection(ClipboardContent()); }

void TExtStringGrid::PasteSelection(const ClipContent& Content) {
  const TGridRect selection = GetSelection();
  const int pasted = PasteContent(selection.Left, selection.Top, Content);
  if (Navigation.AllowSmartClipboard) FillSelection(pasted);
}

int TExtStringGrid::PasteFunc(int ACol, int ARow) {
  return PasteContent(ACol, ARow, ClipboardContent());
}

// The grid's own cells come first, then rich text, then plain text.
TExtStringGrid::ClipContent TExtStringGrid::ClipboardContent() {
  TClipboard* clipboard = Clipboard();
  ClipContent content;
  if (Navigation.AllowFmtClipboard && clipboard->HasFormat(GridCellsFormat()))
    content.cells = clipboard->GetAsBytes(GridCellsFormat());
  else if (Navigation.AllowRTFClipboard && clipboard->HasFormat(RichTextFormat()))
    content.rich = clipboard->GetAsBytes(RichTextFormat());
  else if (clipboard->HasFormat(CF_TEXT))
    content.text = clipboard->GetAsText();
  return content;
}

int TExtStringGrid::PasteContent(int ACol, int ARow, const ClipContent& Content) {
  if (Content.cells) {
    PasteBinCells(ACol, ARow, *Content.cells);
    return 0;
  }
  if (Content.rich) {
    AnsiString text(Content.rich->begin(), Content.rich->end());
    text.resize(std::min(text.size(), text.find('\0')));
    if (MayPaste() && MayPasteInto(RemapCol(ACol), ARow)) SetCellEx(RemapCol(ACol), ARow, text);
    return 0;
  }
  return Content.text ? PasteText(ACol, ARow, Content.text->c_str()) : 0;
}
