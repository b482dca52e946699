// TExtStringGrid: copy and cut to the clipboard and paste from it. A copy puts up to three
// formats together: the cells as text, the top-left cell's rich text, and the cells with
// their properties as a binary grid stream of the program's own format.
#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/TabText.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/files/CopyPaste.h"
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
AnsiString TExtStringGrid::CopyPaste::CopyText(const TGridRect& R, bool SelectedRowsOnly) {
  TTabRows rows;
  for (int r = R.Top; r <= R.Bottom; ++r) {
    if (SelectedRowsOnly && g.MouseActions.DisjunctRowSelect && !g.GetRowSelect(r)) continue;
    std::vector<AnsiString>& fields = rows.emplace_back();
    for (int c = R.Left; c <= R.Right; ++c) {
      const int col = g.RemapCol(c);
      AnsiString text = g.SaveCell(col, r);
      if (!g.Navigation.CopyHTMLTagsToClipboard && Holds(text, "</")) {
        text = g.GetStrippedCell(col, r);
      } else if (Holds(text, "{\\")) {
        TRichText rich;
        g.CellToRich(col, r, rich);
        text = rich.GetText();
      }
      if (g.MultiLineClipboard && LinesInText(text, true) > 1) LineFeedsToCSV(text);
      fields.push_back(std::move(text));
    }
  }
  return JoinTabText(rows);
}

TExtStringGrid::ClipContent TExtStringGrid::CopyPaste::CopyContent(const TGridRect& R,
                                                                   bool SelectedRowsOnly) {
  ClipContent content;
  content.text = CopyText(R, SelectedRowsOnly);
  if (g.Navigation.AllowRTFClipboard) content.rich = RichBytes(g.RemapCol(R.Left), R.Top);
  // The cells' block is a rectangle of stored columns: hidden ones inside travel with it.
  if (g.Navigation.AllowFmtClipboard)
    content.cells = CellBytes({g.RemapCol(R.Left), R.Top, g.RemapCol(R.Right), R.Bottom});
  return content;
}

void TExtStringGrid::CopyFunc(const TGridRect& R, bool SelectedRowsOnly) {
  d_->clip->CopyOrigin = TPoint(R.Left, R.Top);
  const ClipContent content = CopyPaste(*this).CopyContent(R, SelectedRowsOnly);
  ClipboardBatch batch;
  Clipboard()->SetTextBuf(content.text->c_str());
  if (content.rich) Clipboard()->SetAsBytes(RichTextFormat(), *content.rich);
  if (content.cells) Clipboard()->SetAsBytes(GridCellsFormat(), *content.cells);
}

std::optional<std::vector<uint8_t>> TExtStringGrid::CopyPaste::RichBytes(int ACol, int ARow) {
  const AnsiString text = g.GetCellEx(ACol, ARow);
  if (!Holds(text, "{\\")) return std::nullopt;
  return std::vector<uint8_t>(text.begin(), text.end());
}

void TExtStringGrid::CopyRTFFunc(int ACol, int ARow) {
  if (const auto rich = CopyPaste(*this).RichBytes(ACol, ARow))
    Clipboard()->SetAsBytes(RichTextFormat(), *rich);
}

std::vector<uint8_t> TExtStringGrid::CopyPaste::CellBytes(const TGridRect& R) {
  TMemoryStream stream;
  g.SaveRectToBinStream(TRect(R.Left, R.Top, R.Right, R.Bottom), &stream);
  return stream.Bytes();
}

void TExtStringGrid::CopyBinFunc(const TGridRect& R) {
  Clipboard()->SetAsBytes(GridCellsFormat(), CopyPaste(*this).CellBytes(R));
}

namespace {
TGridRect SaveRange(const TExtStringGrid& Grid) {
  return {Grid.GetSaveStartCol(), Grid.GetSaveStartRow(), Grid.GetSaveEndCol(),
          Grid.GetSaveEndRow()};
}
}  // namespace

void TExtStringGrid::CopyToClipBoard() {
  CopyFunc(SaveRange(*this), false);
  d_->clip->Operation = coCopy;
}

// With disjunct row selection the selected rows of the save range, else the selection.
TGridRect TExtStringGrid::CopyPaste::SelectionCopyRange() const {
  return g.MouseActions.DisjunctRowSelect ? SaveRange(g) : g.GetSelection();
}

void TExtStringGrid::CopySelectionToClipboard() {
  CopyFunc(CopyPaste(*this).SelectionCopyRange(), MouseActions.DisjunctRowSelect);
  d_->clip->Operation = coCopy;
}

bool TExtStringGrid::CopyPaste::MayPaste() const {
  return g.GetOptions().Contains(goEditing) || g.Navigation.AllowClipboardAlways ||
         g.d_->input->Resizer.pasting;
}

bool TExtStringGrid::CopyPaste::MayPasteInto(int ACol, int ARow) {
  return ACol >= 0 && ARow >= 0 && ACol < g.GetColCount() + g.NumHiddenColumns() &&
         ARow < g.GetRowCount() && (g.Navigation.AllowClipboardAlways || g.IsEditable(ACol, ARow));
}

// Cut obeys what a paste obeys: only cells a paste may write are emptied. R is in shown
// columns unless Stored.
void TExtStringGrid::CopyPaste::EmptyCells(const TGridRect& R, bool Properties, bool Stored) {
  g.BeginUpdate();
  for (int r = R.Top; r <= R.Bottom; ++r)
    for (int c = R.Left; c <= R.Right; ++c) {
      const int col = Stored ? c : g.RemapCol(c);
      if (!MayPasteInto(col, r)) continue;
      g.SetGridCell(col, r, "");
      if (Properties) g.ClearPropCell(col, r);
    }
  g.EndUpdate();
  g.CellsChanged(TRect(R.Left, R.Top, R.Right, R.Bottom));
}

void TExtStringGrid::CutToClipboard() {
  CopyToClipBoard();
  CopyPaste(*this).EmptyCells(SaveRange(*this), false);
  d_->clip->Operation = coCut;
}

void TExtStringGrid::CutSelectionToClipboard() {
  CopySelectionToClipboard();
  if (MouseActions.DisjunctRowSelect) {
    for (int r = GetFixedRows(); r < GetRowCount(); ++r)
      if (GetRowSelect(r))
        CopyPaste(*this).EmptyCells({0, r, GetColCount() + NumHiddenColumns() - 1, r}, true, true);
  } else {
    CopyPaste(*this).EmptyCells(GetSelection(), Navigation.AllowFmtClipboard);
  }
  d_->clip->Operation = coCut;
}

void TExtStringGrid::PasteFromClipboard() { PasteFunc(GetSaveStartCol(), GetSaveStartRow()); }

void TExtStringGrid::PasteSelectionFromClipboard() {
  CopyPaste paste(*this);
  paste.PasteSelection(paste.ClipboardContent());
}

void TExtStringGrid::CopyPaste::PasteSelection(const ClipContent& Content) {
  const TGridRect selection = g.GetSelection();
  const int pasted = PasteContent(selection.Left, selection.Top, Content);
  if (g.Navigation.AllowSmartClipboard) FillSelection(pasted);
}

int TExtStringGrid::PasteFunc(int ACol, int ARow) {
  CopyPaste paste(*this);
  return paste.PasteContent(ACol, ARow, paste.ClipboardContent());
}

// The grid's own cells come first, then rich text, then plain text.
TExtStringGrid::ClipContent TExtStringGrid::CopyPaste::ClipboardContent() {
  TClipboard* clipboard = Clipboard();
  ClipContent content;
  if (g.Navigation.AllowFmtClipboard && clipboard->HasFormat(GridCellsFormat()))
    content.cells = clipboard->GetAsBytes(GridCellsFormat());
  else if (g.Navigation.AllowRTFClipboard && clipboard->HasFormat(RichTextFormat()))
    content.rich = clipboard->GetAsBytes(RichTextFormat());
  else if (clipboard->HasFormat(CF_TEXT))
    content.text = clipboard->GetAsText();
  return content;
}

int TExtStringGrid::CopyPaste::PasteContent(int ACol, int ARow, const ClipContent& Content) {
  if (Content.cells) {
    PasteBinCells(ACol, ARow, *Content.cells);
    return 0;
  }
  if (Content.rich) {
    AnsiString text(Content.rich->begin(), Content.rich->end());
    text.resize(std::min(text.size(), text.find('\0')));
    if (MayPaste() && MayPasteInto(g.RemapCol(ACol), ARow))
      g.SetCellEx(g.RemapCol(ACol), ARow, text);
    return 0;
  }
  return Content.text ? g.PasteText(ACol, ARow, Content.text->c_str()) : 0;
}
