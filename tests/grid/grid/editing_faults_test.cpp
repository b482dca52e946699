// The ways an edit of a cell could lose, invent or slip a value past OnCellValidate, driven by
// real keys and clicks on a shown grid.
#include <gtest/gtest.h>

#include "components/grid/controls/EsgCombo.h"
#include "components/grid/controls/EsgSpinEdit.h"
#include "components/grid/grid/editing/ExtInplaceEdit.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "editor_controls.h"
#include "window_mouse.h"

namespace {

class EditingFaults : public EditorControls {
 protected:
  void SetUp() override {
    EditorControls::SetUp();
    grid->OnCellValidate = [](TObject*, int, int, AnsiString& value, bool& valid) {
      valid = value != "bad";
    };
  }
  TInplaceEdit* Inplace() const { return grid->GetInplaceEditor(); }
  bool InplaceShown() const { return Inplace() && Inplace()->GetVisible(); }
  void TypeOver(const char* text) {
    Inplace()->SelectAll();
    Type(text);
  }
};

TEST_F(EditingFaults, ReturnWithARefusedValueKeepsTheEditorOpen) {
  grid->Navigation.AdvanceOnEnter = true;
  Open(edNormal, "before");
  TypeOver("bad");
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  EXPECT_TRUE(InplaceShown());
  EXPECT_TRUE(Inplace()->Focused());
  EXPECT_EQ(Inplace()->GetText(), "before");
  EXPECT_EQ(grid->Cells(1, 1), "before");
  TypeOver("good");
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "good");
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
}

TEST_F(EditingFaults, AClickElsewhereValidatesAndARefusedValueKeepsTheCellAndTheEditor) {
  Open(edNormal, "before");
  TypeOver("bad");
  WindowClick(Client(), At(2, 2));
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->Cells(1, 1), "before");
  EXPECT_TRUE(InplaceShown());
  EXPECT_TRUE(Inplace()->Focused());
  TypeOver("good");
  WindowClick(Client(), At(2, 2));
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  EXPECT_EQ(grid->Cells(1, 1), "good");
}

TEST_F(EditingFaults, AMaskedCellFilledToItsEndAdvances) {
  grid->Navigation.AdvanceAuto = true;
  grid->Navigation.AdvanceOnEnter = true;
  grid->OnGetEditMask = [](TObject*, int, int, AnsiString& mask) { mask = "00;1;_"; };
  Open(edNormal, "");
  Inplace()->SetSelStart(0);
  Type("12");
  EXPECT_EQ(grid->Cells(1, 1), "12");
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
}

TEST_F(EditingFaults, AnUntouchedSpinOrComboListWritesNothingBackWhateverKeyEndsIt) {
  struct Case {
    TEditorType editor;
    const char* text;
    Qt::Key key;
  };
  grid->AddComboString("Rot");
  grid->AddComboString("Blau");
  grid->SetOptions(grid->GetOptions() + goTabs);
  for (const Case& c : {Case{edSpinEdit, "n/a", Qt::Key_Return}, Case{edSpinEdit, "n/a", Qt::Key_Tab},
                        Case{edFloatSpinEdit, "n/a", Qt::Key_Return},
                        Case{edComboList, "Mauve", Qt::Key_Return},
                        Case{edComboList, "Mauve", Qt::Key_Tab}}) {
    Open(c.editor, c.text);
    ASSERT_NE(grid->GetEditors().Shown, nullptr) << c.editor;
    Key(c.key);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(1, 1), c.text) << c.editor << " " << c.key;
    grid->HideInplaceEdit();
  }
}

}  // namespace
