#include "components/grid/grid/editing/ExtInplaceEdit.h"
#include "components/grid/grid/ExtGridPrivate.h"

#include <utility>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/editing/InplaceFilter.h"
#include "components/grid/grid/input/Keys.h"
#include "components/grid/grid/paint/Painting.h"
#include "platform/controls/clipboard.h"
#include "platform/controls/keys.h"
#include "platform/core/sound.h"

namespace {

// Where the text's line stands in an edit of the given height: at the top (3 pixels down, as
// the cell's text), in the middle or at the bottom.
int LineTop(TVAlignment VAlign, int Height, int LineHeight) {
  switch (VAlign) {
    case vtaCenter:
      return std::max(0, (Height - LineHeight) / 2);
    case vtaBottom:
      return std::max(0, Height - LineHeight - 1);
    default:
      return std::min(3, std::max(0, Height - LineHeight));
  }
}

}  // namespace

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AGrid, bool MultiLine)
    : TInplaceEdit(AGrid, MultiLine), grid_(AGrid) {}

bool TExtInplaceEdit::StaysInText(WORD Key) const {
  return MultiLine() && (Key == VK_UP ? CaretLine() > 0 : !CaretOnLastLine());
}

void TExtInplaceEdit::SetVAlign(bool Value) {
  vAlign_ = Value;
  SetAlignment(Value ? taRightJustify : taLeftJustify);
}

AnsiString TExtInplaceEdit::CellText() const {
  return grid_->GetCellEx(grid_->RemapCol(grid_->GetCol()), grid_->GetRow());
}

void TExtInplaceEdit::UpdateContents() {
  WordWrap = grid_->WordWrap;
  if (LengthLimit == 0) LengthLimit = grid_->GetMaxEditLength();
  SetPasswordChar(grid_->GetEditorType() == edPassword ? grid_->PasswordChar : '\0');
  TInplaceEdit::UpdateContents();
  const TCanvas* canvas =
      TExtStringGrid::Painting(*grid_).CanvasInCellFont(grid_->GetCol(), grid_->GetRow(), false);
  SetColor(canvas->Brush->GetColor());
  SetFont(canvas->Font);
  completionArmed_ = true;
}

// One pixel inside the cell's lines; the text starts 3 pixels in, at the cell's vertical place.
void TExtInplaceEdit::BoundsChanged() {
  const TRect cell = grid_->CellRect(grid_->GetCol(), grid_->GetRow());
  const int width = std::max(1, cell.Width() - 1);
  const int height = std::max(1, cell.Height() - 1);
  SetBounds(cell.Left, cell.Top, width, height);
  if (MultiLine()) return;  // the lines fill the cell from its top
  TCanvas* canvas = grid_->GetCanvas();
  canvas->Font->Assign(*GetFont());
  const int lineHeight = canvas->TextHeight("Wg");
  const int top = LineTop(grid_->GetCellAlignment(grid_->GetRealCol(), grid_->GetRow()).VAlign,
                          height, lineHeight);
  SetFormatRectVert(TRect(3, top, width - 2, std::min(height, top + lineHeight)));
}

bool TExtInplaceEdit::Validated() {
  if (grid_->ValidateCell(GetText())) return true;
  SetText(CellText());
  Deselect();
  Invalidate();
  return false;
}

void TExtInplaceEdit::WMKeyDown(TWMKeyDown& Message) {
  const TShiftState shift = KeyDataToShiftState(Message.KeyData);
  const bool ctrl = shift.Contains(ssCtrl);
  switch (Message.CharCode) {
    case VK_ESCAPE:
      SetText(grid_->d_->edit->Cache);
      break;
    case VK_TAB:
      if (!grid_->GetOptions().Contains(goTabs)) break;
      // A refused text keeps the edit open where it is.
      if (Validated()) {
        grid_->HideInplaceEdit();
        grid_->TabEdit(shift.Contains(ssShift));
      }
      return;
    case VK_UP:
    case VK_DOWN:
      if (!ctrl && !StaysInText(Message.CharCode) && !Validated()) return;
      break;
    case VK_RETURN:
      // The Return character that follows must not end the edit the refusal kept open.
      returnRefused_ = !ctrl && !grid_->Navigation.LineFeedOnEnter && !Validated();
      if (returnRefused_) return;
      break;
    default:
      break;
  }
  TInplaceEdit::WMKeyDown(Message);
  // Escape ends the edit: the editor has closed with the cell's text from before.
  if (Message.CharCode == VK_ESCAPE && !GetVisible()) grid_->EditActive = false;
}

void TExtInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  const int length = static_cast<int>(GetText().size());
  if (plain && GetSelLength() == 0 && grid_->Navigation.CursorWalkEditor &&
      ((Key == VK_RIGHT && GetSelStart() == length) || (Key == VK_LEFT && GetSelStart() == 0))) {
    Walk(Key == VK_RIGHT);
    Key = 0;
    return;
  }
  completionArmed_ = Key != VK_BACK && Key != VK_DELETE;
  TInplaceEdit::KeyDown(Key, Shift);
}

// The caret walks out of the text into the neighbouring cell of the row.
void TExtInplaceEdit::Walk(bool Forward) {
  if (!Validated()) return;
  TExtStringGrid* grid = grid_;
  const TAdvanceDirection direction = grid->Navigation.AdvanceDirection;
  grid->Navigation.AdvanceDirection = adLeftRight;
  grid->HideInplaceEdit();
  grid->AdvanceEdit(grid->GetCol(), grid->GetRow(), Forward, false, true);
  grid->Navigation.AdvanceDirection = direction;
  // Opened after the move, so a refused move opens the editor again where it was.
  TExtStringGrid::Keys(*grid).OpenEditor();
}

void TExtInplaceEdit::KeyPress(char& Key) {
  const bool refused = std::exchange(returnRefused_, false);
  if (Key == '\r' && (refused || (!grid_->Navigation.LineFeedOnEnter && !Validated()))) {
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
}

// Checked after the masked edit has put the character in: a mask filled to its end by typing
// ends the edit as Return does, validation included.
void TExtInplaceEdit::AdvanceWhenFilled() {
  if (!grid_->Navigation.AdvanceAuto || !IsMasked() || !Mask().Filled(GetEditText()) ||
      GetSelStart() < static_cast<int>(GetEditText().size()))
    return;
  char enter = '\r';
  KeyPress(enter);
}

void TExtInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key != VK_LEFT && Key != VK_RIGHT) Complete();
  if (grid_->SizeWhileTyping.Width) WidenColumn();
  if (grid_->SizeWhileTyping.Height && grid_->WordWrap) grid_->AutoSizeRow(grid_->GetRow());
  TInplaceEdit::KeyUp(Key, Shift);
}

// The column grows to the typed text (never shrinks while typing).
void TExtInplaceEdit::WidenColumn() {
  const int col = grid_->GetCol();
  TCanvas* canvas = TExtStringGrid::Painting(*grid_).CanvasInCellFont(col, grid_->GetRow(), false);
  const int needed = canvas->TextWidth(GetText()) + 2 * grid_->GetXYOffset().x + 4;
  if (needed > grid_->ColWidths(col)) grid_->SetColWidths(col, needed);
}

void TExtInplaceEdit::WMKeyUp(TWMKeyUp& Message) {
  TInplaceEdit::WMKeyUp(Message);
  const int caret = GetSelStart();
  if (caret > 0) grid_->EditProgress(GetText(), PosFromChar(caret - 1), caret);
}

void TExtInplaceEdit::Complete() {
  if (!grid_->Lookup || grid_->LookupItems.Count() == 0 || !completionArmed_ || GetSelLength() != 0)
    return;
  const AnsiString typed = GetText().substr(0, GetSelStart());
  const int match = LookupMatch(typed, grid_->LookupItems, grid_->LookupCaseSensitive);
  if (match < 0) return;
  const AnsiString item = grid_->LookupItems.Strings(match);
  SetText(typed + item.substr(typed.size()));
  SetSelStart(static_cast<int>(typed.size()));
  SetSelLength(static_cast<int>(item.size() - typed.size()));
}

// Takes a character when the length limit and the editor type let it in.
bool TExtInplaceEdit::TakesChar(char& Key) {
  const bool full =
      LengthLimit > 0 && static_cast<int>(GetText().size()) >= LengthLimit && GetSelLength() == 0;
  if (full && Key != '\b' && Key != '\x1B' && !(Key == '\r' && grid_->Navigation.AdvanceOnEnter))
    return false;
  switch (FilterChar(grid_->GetEditorType(), Key, GetText(), GetSelStart(), GetSelLength())) {
    case TCharVerdict::Take:
      return true;
    case TCharVerdict::Beep:
      MessageBeep(0);
      return false;
    default:
      return false;
  }
}

char KeypadDecimal(char Key, int KeyData, bool ExcelStyle) {
  constexpr int kKeypadBit = 1 << 22;
  return ExcelStyle && Key == '.' && (KeyData & kKeypadBit) ? DecimalSeparator : Key;
}

void TExtInplaceEdit::WMChar(TWMChar& Message) {
  char key = KeypadDecimal(static_cast<char>(Message.CharCode), Message.KeyData,
                           grid_->ExcelStyleDecimalSeparator);
  if (!TakesChar(key)) return;
  Message.CharCode = static_cast<unsigned char>(key);
  const int caret = GetSelStart();
  const AnsiString before = GetEditText();
  TInplaceEdit::WMChar(Message);
  if (grid_->GetEditorType() == edMixedCase && key != '\b') {
    SetText(ShiftCase(GetText()));
    SetSelStart(caret + 1);
  }
  if (static_cast<unsigned char>(key) >= 32 && GetEditText() != before) AdvanceWhenFilled();
}

void TExtInplaceEdit::WMCopy() {
  bool allow = true;
  if (grid_->OnClipboardCopy) grid_->OnClipboardCopy(grid_, allow);
  if (allow) TInplaceEdit::WMCopy();
}

void TExtInplaceEdit::WMCut() {
  bool allow = true;
  if (grid_->OnClipboardCut) grid_->OnClipboardCut(grid_, allow);
  if (allow) TInplaceEdit::WMCut();
}

// A paste passes the rules of typing and the length limit whole, or nothing happens.
void TExtInplaceEdit::WMPaste() {
  if (!Clipboard()->HasFormat(CF_TEXT)) return;
  AnsiString clip = Clipboard()->GetAsText();
  clip = clip.substr(0, clip.find_first_of("\r\n"));
  const int start = GetSelStart(), length = GetSelLength();
  AnsiString text;
  if (!FilterPaste(grid_->GetEditorType(), GetText(), start, length, clip, text)) return;
  if (LengthLimit > 0 && static_cast<int>(text.size()) > LengthLimit) return;
  bool allow = true;
  if (grid_->OnClipboardPaste) grid_->OnClipboardPaste(grid_, allow);
  if (!allow) return;
  SetText(text);
  SetModified(true);
  const int end = start + static_cast<int>(clip.size());
  if (length > 0) {
    SetSelStart(start);
    SetSelLength(end - start);
  } else {
    SetSelStart(end);
  }
}

void TExtInplaceEdit::WMSetFocus() {
  TInplaceEdit::WMSetFocus();
  if (IsMasked() && grid_->Navigation.ImproveMaskSel && !grid_->d_->edit->CaretClickPending) {
    SetSelStart(0);
    SetSelLength(1);
  }
  grid_->d_->edit->CaretClickPending = false;
}

// Leaving for another control than the grid validates and ends the edit. Leaving for the grid
// (a click on it) keeps the edit open: the cell the click selects validates it, and a refused
// value keeps the cell and the editor.
void TExtInplaceEdit::DoExit() {
  TExtStringGrid* grid = grid_;
  grid->d_->edit->StartKey = 0;
  const AnsiString text = GetText();
  if (grid->LookupHistory && grid->LookupItems.IndexOf(text) < 0) grid->LookupItems.Add(text);
  const bool toGrid = grid->Focused();
  if (!toGrid) grid->ValidateCell(text);
  grid->d_->edit->Shown = false;
  // Hidden first, the editor was closed by its grid (Escape, the keys that validated).
  const bool clickedAway = toGrid && GetVisible();
  if (!clickedAway) grid->EditActive = false;
  if (!toGrid) grid->SelectCell(grid->GetCol(), grid->GetRow());
  TInplaceEdit::DoExit();
  grid->EditProgress("", TPoint(-1, -1), -1);
  grid->DoneEditing();
}

void TExtInplaceEdit::WMLButtonDblClk(TWMMouse& Message) {
  TInplaceEdit::WMLButtonDblClk(Message);
  if (grid_->OnDblClickCell) grid_->OnDblClickCell(grid_, grid_->GetRow(), grid_->GetCol());
}
