// Every editor type of the grid through the four ways an edit ends (Return, Tab, a click on
// another cell, Escape), with the value unchanged, changed and valid, and changed and refused:
// what the cell holds afterwards, where the current cell stands, and whether the edit is open.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/richtext/RichText.h"
#include "editor_controls.h"
#include "locale_scope.h"
#include "platform/grids/inplace_edit.h"
#include "window_mouse.h"

namespace {

enum class Ending { Return, Tab, Click, Escape };

// A rich text cell read as its text; any other as it is.
AnsiString Plain(const AnsiString& cell) {
  if (cell.rfind("{\\rtf", 0) != 0) return cell;
  TRichText rich;
  rich.SetRTF(cell);
  return rich.GetText();
}
enum class Value { Unchanged, Valid, Refused };

struct EditorCase {
  const char* name;
  TEditorType editor;
  const char* text;     // the cell's text when the edit begins
  const char* changed;  // what the user's change stores; nullptr: the editor stores nothing
  std::function<void(class EditingEndings&)> change;
  const char* mask = "";
  bool wordWrap = false;
  // The endings the editor takes; the others are keys it keeps (the check box keeps Tab and
  // Escape, the date picker Tab, the button Return and Tab).
  std::vector<Ending> endings = {Ending::Return, Ending::Tab, Ending::Click, Ending::Escape};
};

class EditingEndings : public EditorControls {
 public:
  void TypeOverAll(const char* text) {
    Key(Qt::Key_Home);
    Key(Qt::Key_End, Qt::ShiftModifier);
    Type(text);
  }
  void TypeText(const char* text) { Type(text); }
  // In a combo End ends the edit.
  void TypeOverCombo(const char* text) {
    Key(Qt::Key_A, Qt::ControlModifier);
    Type(text);
  }
  void Press(Qt::Key key) { Key(key); }

 protected:
  AnsiString refused;
  const EditorCase* current = nullptr;
  LocaleScope locale{kGerman};

  void SetUp() override {
    EditorControls::SetUp();
    grid->SetOptions(grid->GetOptions() + goTabs);
    grid->Navigation.AdvanceOnEnter = true;
    grid->Navigation.AdvanceDirection = adLeftRight;
    grid->AddComboString("Rot");
    grid->AddComboString("Blau");
    grid->OnCellValidate = [this](TObject*, int, int, AnsiString& value, bool& valid) {
      valid = refused.empty() || Plain(value) != refused;
    };
    grid->OnGetEditMask = [this](TObject*, int, int, AnsiString& mask) {
      mask = current ? current->mask : "";
    };
  }
  // Whether an editor, inplace or control, is open over the current cell.
  bool EditOpen() const {
    const TInplaceEdit* inplace = grid->GetInplaceEditor();
    return grid->GetEditors().Shown || (inplace && inplace->GetVisible());
  }
  void End(Ending ending) {
    switch (ending) {
      case Ending::Return: Key(Qt::Key_Return); break;
      case Ending::Tab: Key(Qt::Key_Tab); break;
      case Ending::Click: WindowClick(Client(), At(2, 2)); break;
      case Ending::Escape: Key(Qt::Key_Escape); break;
    }
    QApplication::processEvents();
  }
  static TGridCoord MovedTo(Ending ending) {
    return ending == Ending::Click ? TGridCoord{2, 2} : TGridCoord{2, 1};
  }
  void Run(const EditorCase& c, Ending ending, Value value) {
    current = &c;
    grid->WordWrap = c.wordWrap;
    const bool changes = value != Value::Unchanged;
    refused = value == Value::Refused && c.changed ? c.changed : "";
    grid->SetCells(2, 1, "");
    grid->SetCells(2, 2, "");
    Open(c.editor, c.text);
    ASSERT_TRUE(EditOpen());
    if (changes) c.change(*this);
    End(ending);
    const bool stored = changes && c.changed && value == Value::Valid && ending != Ending::Escape;
    EXPECT_EQ(Plain(grid->Cells(1, 1)), stored ? AnsiString(c.changed) : AnsiString(c.text));
    const bool kept = changes && c.changed && value == Value::Refused && ending != Ending::Escape;
    if (ending == Ending::Escape) {
      EXPECT_EQ(Current(), (TGridCoord{1, 1}));
      EXPECT_FALSE(EditOpen());
    } else if (kept) {
      EXPECT_EQ(Current(), (TGridCoord{1, 1}));
      EXPECT_TRUE(EditOpen());
      EXPECT_NE(QApplication::focusWidget(), grid->Widget());  // the editor has the focus
    } else {
      EXPECT_EQ(Current(), MovedTo(ending));
      if (ending == Ending::Click) {
        EXPECT_FALSE(EditOpen());
      }
    }
    if (kept) {
      // The refused value is gone from the editor too: hiding it now stores nothing.
      grid->HideInplaceEdit();
      EXPECT_EQ(Plain(grid->Cells(1, 1)), AnsiString(c.text));
    }
    // Nothing but the edited cell changed.
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_EQ(grid->Cells(2, 2), "");
    refused.clear();
    grid->HideInplaceEdit();
  }
};

void TypeOver(EditingEndings& t, const char* text) { t.TypeOverAll(text); }

TEST_F(EditingEndings, EveryEditorTypeThroughEveryEnding) {
  const EditorCase cases[] = {
      {"text", edNormal, "abc", "xyz", [](EditingEndings& t) { TypeOver(t, "xyz"); }},
      {"numeric", edNumeric, "12", "-34", [](EditingEndings& t) { TypeOver(t, "-34"); }},
      {"positive numeric", edPositiveNumeric, "12", "34",
       [](EditingEndings& t) { TypeOver(t, "34"); }},
      {"float", edFloat, "1,5", "2,25", [](EditingEndings& t) { TypeOver(t, "2,25"); }},
      {"masked", edNormal, "12", "34", [](EditingEndings& t) { TypeOver(t, "34"); }, "00;1;_"},
      {"combo", edComboEdit, "abc", "xyz", [](EditingEndings& t) { t.TypeOverCombo("xyz"); }},
      {"combo list", edComboList, "Rot", "Blau",
       [](EditingEndings& t) { t.Press(Qt::Key_Down); }},
      {"spin", edSpinEdit, "5", "6", [](EditingEndings& t) { t.Press(Qt::Key_Up); }},
      {"float spin", edFloatSpinEdit, "5", "6,00", [](EditingEndings& t) { TypeOver(t, "6"); }},
      {"date", edDateEdit, "01.02.2027", "02.02.2027",
       [](EditingEndings& t) { t.Press(Qt::Key_Up); }, "", false,
       {Ending::Return, Ending::Click, Ending::Escape}},
      {"time", edTimeEdit, "10:00:00", "11:00:00",
       [](EditingEndings& t) { t.Press(Qt::Key_Up); }, "", false,
       {Ending::Return, Ending::Click, Ending::Escape}},
      {"edit button", edEditBtn, "abc", "xyz", [](EditingEndings& t) { TypeOver(t, "xyz"); }},
      {"unit", edUnitEditBtn, "1 mm", "2 mm", [](EditingEndings& t) { TypeOver(t, "2"); }},
      {"check box", edCheckBox, "box", nullptr, [](EditingEndings& t) { t.Press(Qt::Key_Space); },
       "", false, {Ending::Return, Ending::Click}},
      {"button", edButton, "go", nullptr, [](EditingEndings&) {}, "", false,
       {Ending::Click, Ending::Escape}},
      {"rich text", edRichEdit, "abc", "xyz", [](EditingEndings& t) { t.TypeText("xyz"); }, "", false,
       {Ending::Tab, Ending::Click, Ending::Escape}},  // Return starts a paragraph
      {"multi-line", edNormal, "ab", "xy", [](EditingEndings& t) { TypeOver(t, "xy"); }, "",
       true},
  };
  for (const EditorCase& c : cases)
    for (Ending ending : c.endings)
      for (Value value : {Value::Unchanged, Value::Valid, Value::Refused}) {
        SCOPED_TRACE(testing::Message() << c.name << ", ending " << static_cast<int>(ending)
                                        << ", value " << static_cast<int>(value));
        Run(c, ending, value);
      }
}

}  // namespace
