// The settings of how the grid takes input: what the keyboard does (TNavigation), what the
// mouse may select, size and edit (TMouseActions), and whether the cell being typed into
// grows with its text (TSizeWhileTyping). None of them changes the look.
#pragma once

enum TAdvanceDirection { adLeftRight, adTopBottom };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow };

struct TNavigation {
  bool AllowInsertRow = false;
  bool AllowDeleteRow = false;
  bool AdvanceOnEnter = false;
  bool AdvanceInsert = false;
  bool AutoGotoWhenSorted = false;
  bool AutoGotoIncremental = false;
  bool AutoComboDropSize = false;
  bool AllowClipboardShortCuts = false;
  bool AllowRTFClipboard = false;
  bool AllowSmartClipboard = false;
  bool AllowClipboardAlways = false;
  bool AllowClipboardColGrow = true;
  bool AllowClipboardRowGrow = true;
  bool CopyHTMLTagsToClipboard = true;
  TAdvanceDirection AdvanceDirection = adLeftRight;
  bool AdvanceAuto = false;
  bool CursorWalkEditor = false;
  bool MoveRowOnSort = false;
  bool ImproveMaskSel = false;
  bool AlwaysEdit = false;
  TInsertPosition InsertPosition = pInsertBefore;
  bool LineFeedOnEnter = false;
  THomeEndAction HomeEndKey = heFirstLastColumn;
  bool KeepHorizScroll = false;
  bool AllowFmtClipboard = false;
};

struct TMouseActions {
  bool ColSelect = false;
  bool RowSelect = false;
  bool AllSelect = false;
  bool DirectEdit = false;
  bool DirectComboDrop = false;
  bool DisjunctRowSelect = false;
  bool AllColumnSize = false;
  bool AllRowSize = false;
  bool CaretPositioning = false;
  bool SizeFixedCol = false;
  bool DisjunctCellSelect = false;
  bool RangeSelectAndEdit = false;
};

struct TSizeWhileTyping {
  bool Height = false;
  bool Width = false;
};
