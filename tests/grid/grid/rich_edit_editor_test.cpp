#include <gtest/gtest.h>

#include <QApplication>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/richtext/RichText.h"
#include "editor_controls.h"

namespace {

const TRichFormat kBold{TFontStyles{fsBold}, 0, clNone};

AnsiString Rtf(std::initializer_list<TRichRun> runs) {
  TRichText rich;
  for (const TRichRun& run : runs) rich.Add(run.Text, run.Format);
  return rich.GetRTF();
}

TRichText RichOf(const AnsiString& cell) {
  TRichText rich;
  rich.SetRTF(cell);
  return rich;
}

using RichEditor = EditorControls;

TEST_F(RichEditor, OpensOverTheCellWithItsRunsSelectedAndWritesTheChangedText) {
  const AnsiString cell = Rtf({{"Hello", kBold}, {" world", {}}});
  Open(edRichEdit, cell);
  TExtRichEdit* rich = grid->GetEditors().RichEdit;
  ASSERT_TRUE(Shown(rich));
  EXPECT_TRUE(rich->Focused());
  const TRect r = grid->CellRect(1, 1);
  EXPECT_EQ(rich->GetBoundsRect(), TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
  EXPECT_EQ(rich->GetBorderStyle(), bsNone);
  EXPECT_FALSE(rich->GetHideSelection());
  EXPECT_EQ(rich->GetFormatRect(), TRect(2, 2, r.Width() - 2, r.Height() - 2));
  EXPECT_EQ(rich->GetText(), "Hello world");
  EXPECT_EQ(rich->GetSelLength(), 11);
  EXPECT_EQ(RichOf(grid->Cells(1, 1)), RichOf(cell));  // nothing written while it is open

  rich->SetSelStart(11);
  Type("!");
  Key(Qt::Key_Down);  // a cell of one line: Down leaves for the next row
  EXPECT_FALSE(Shown(rich));
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_EQ(RichOf(grid->Cells(1, 1)).GetText(), "Hello world!");
  EXPECT_EQ(RichOf(grid->Cells(1, 1)).Paragraphs()[0].front(), (TRichRun{"Hello", kBold}));
}

TEST_F(RichEditor, EscapeAndAnUntouchedEditKeepTheCellAsItWas) {
  const AnsiString cell = Rtf({{"keep", kBold}});
  Open(edRichEdit, cell);
  TExtRichEdit* rich = grid->GetEditors().RichEdit;
  Type("zzz");
  EXPECT_EQ(rich->GetText(), "zzz");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Shown(rich));
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cells(1, 1), cell);
  // Typing over a cell opens the editor with the character typed over the whole text.
  type = edRichEdit;
  Type("q");
  ASSERT_TRUE(Shown(rich));
  QApplication::processEvents();
  EXPECT_EQ(rich->GetText(), "q");
  Key(Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(1, 1), cell);
  // A plain text left untouched stays plain text, not RTF.
  Open(edRichEdit, "plain");
  ASSERT_TRUE(Shown(rich));
  EXPECT_EQ(rich->GetText(), "plain");
  Key(Qt::Key_Up);
  EXPECT_FALSE(Shown(rich));
  EXPECT_EQ(grid->Cells(1, 1), "plain");
}

TEST_F(RichEditor, AClickOnAnotherCellWritesTheEdit) {
  Open(edRichEdit, "old");
  TExtRichEdit* rich = grid->GetEditors().RichEdit;
  Type("new");
  Press(At(2, 2));
  Release(At(2, 2));
  EXPECT_FALSE(Shown(rich));
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  EXPECT_EQ(RichOf(grid->Cells(1, 1)).GetText(), "new");
}

TEST_F(RichEditor, ParagraphsStayInTheEditorWhenCellsShowLines) {
  grid->WordWrap = true;
  grid->SetOptions(grid->GetOptions() + goTabs);
  Open(edRichEdit, "one");
  TExtRichEdit* rich = grid->GetEditors().RichEdit;
  rich->SetSelStart(3);
  Key(Qt::Key_Return);
  Type("two");
  Key(Qt::Key_Up);  // walks the lines
  EXPECT_TRUE(Shown(rich));
  EXPECT_EQ(rich->GetText(), "one\r\ntwo");
  Key(Qt::Key_Tab);
  EXPECT_FALSE(Shown(rich));
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  EXPECT_EQ(RichOf(grid->Cells(1, 1)).GetText(), "one\r\ntwo");
}

TEST_F(RichEditor, ReportsSelectionChangesAndGrowsItsRowWhileTyping) {
  int changes = 0;
  grid->OnRichEditSelectionChange = [&](TObject* sender) {
    EXPECT_EQ(sender, grid);
    ++changes;
  };
  grid->SizeWhileTyping.Height = true;
  Open(edRichEdit, "a");
  TExtRichEdit* rich = grid->GetEditors().RichEdit;
  const int height = grid->RowHeights(1);
  EXPECT_EQ(height, grid->GetDefaultRowHeight());  // filling it grows nothing
  changes = 0;
  Key(Qt::Key_End);
  EXPECT_EQ(changes, 1);
  for (int i = 0; i < 3; ++i) {
    Key(Qt::Key_Return);
    Type("b");
  }
  EXPECT_GT(grid->RowHeights(1), height);
  EXPECT_EQ(rich->GetHeight(), grid->RowHeights(1));
  EXPECT_TRUE(Shown(rich));
}

}  // namespace
