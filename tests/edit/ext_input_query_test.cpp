// The input dialog: its layout in dialog units, the typed edit's re-test of the value, and
// what OK and Cancel give back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "components/edit/ExtInputQuery.h"
#include "locale_scope.h"
#include "platform/controls/forms.h"
#include "platform/controls/screen.h"
#include "platform/graphics/canvas.h"
#include "platform/stdctrls/button.h"

namespace {

// What the dialog shows, read while it runs.
struct Dialog {
  TForm* form = nullptr;
  TLabel* prompt = nullptr;
  TExtEdit* edit = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
};

Dialog Find() {
  Dialog dialog;
  dialog.form = Screen->GetActiveForm();
  if (!dialog.form) return dialog;
  for (int i = 0; i < dialog.form->GetControlCount(); ++i) {
    TControl* control = dialog.form->GetControl(i);
    if (auto* label = dynamic_cast<TLabel*>(control)) dialog.prompt = label;
    if (auto* edit = dynamic_cast<TExtEdit*>(control)) dialog.edit = edit;
    if (auto* button = dynamic_cast<TButton*>(control))
      (button->GetDefault() ? dialog.ok : dialog.cancel) = button;
  }
  return dialog;
}

// Runs the dialog with an action done on it while it shows.
bool RunDialog(TExtEditType type, const TQueryParams* params, AnsiString& value,
               std::function<void(Dialog&)> action) {
  QTimer::singleShot(0, [action] {
    const bool shown = QTest::qWaitFor([] { return Screen->GetActiveForm() != nullptr; });
    Dialog dialog = shown ? Find() : Dialog();
    if (dialog.edit && dialog.ok && dialog.cancel)
      action(dialog);
    else
      ADD_FAILURE() << "the dialog's controls are not there";
    // A dialog the action left open ends all the same.
    if (dialog.form && dialog.form->IsModal() && dialog.form->ModalResult == mrNone)
      dialog.form->ModalResult = mrCancel;
  });
  return ExtInputQuery(type, params, "Eingabe", "Anzahl:", value);
}

void Click(TButton* button) { QTest::mouseClick(button->Widget(), Qt::LeftButton); }
void Type(const char* text) {
  QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
}

TEST(ExtInputQuery, ANumericEditShowsZeroForLettersAndCancelKeepsTheValue) {
  AnsiString value = "abc";
  AnsiString shown;
  EXPECT_FALSE(RunDialog(etNumeric, nullptr, value, [&](Dialog& dialog) {
    shown = dialog.edit->GetText();
    EXPECT_TRUE(dialog.edit->Focused());
    Type("5");
    Click(dialog.cancel);
  }));
  EXPECT_EQ(shown, "0");
  EXPECT_EQ(value, "abc");
}

TEST(ExtInputQuery, OkGivesTheValueWithoutPrefixAndSuffix) {
  TQueryParams params;
  params.Prefix = "EUR ";
  params.Suffix = " netto";
  params.Precision = 2;
  AnsiString value = "12";
  LocaleScope german(kGerman);
  EXPECT_TRUE(RunDialog(etFloat, &params, value, [&](Dialog& dialog) {
    EXPECT_EQ(dialog.edit->TControl::GetText(), "EUR 12,00 netto");
    Click(dialog.ok);
  }));
  EXPECT_EQ(value, "12,00");
}

TEST(ExtInputQuery, TypingAndEnterAnswerOk) {
  AnsiString value = "alt";
  EXPECT_TRUE(RunDialog(etUppercase, nullptr, value, [&](Dialog& dialog) {
    EXPECT_EQ(dialog.edit->GetSelLength(), 3);  // the value is selected
    Type("neu");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }));
  EXPECT_EQ(value, "NEU");
}

TEST(ExtInputQuery, TheLayoutFollowsTheDialogUnitsOfTheFont) {
  AnsiString value;
  TQueryParams params;
  params.Flat = true;
  params.LengthLimit = 3;
  EXPECT_FALSE(RunDialog(etString, &params, value, [&](Dialog& dialog) {
    TCanvas canvas;
    canvas.Font->Assign(*dialog.form->GetFont());
    const TSize letters = canvas.TextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int x = letters.cx / 52, y = letters.cy;
    EXPECT_EQ(dialog.form->GetBorderStyle(), bsDialog);
    EXPECT_EQ(dialog.form->Widget()->windowTitle(), "Eingabe");
    EXPECT_EQ(dialog.form->GetClientWidth(), MulDiv(180, x, 4));
    EXPECT_EQ(dialog.form->GetClientHeight(), MulDiv(63, y, 8));
    EXPECT_EQ(dialog.prompt->GetCaption(), "Anzahl:");
    EXPECT_EQ(dialog.prompt->GetLeft(), MulDiv(8, x, 4));
    EXPECT_EQ(dialog.prompt->GetTop(), MulDiv(8, y, 8));
    EXPECT_EQ(dialog.edit->GetLeft(), dialog.prompt->GetLeft());
    EXPECT_EQ(dialog.edit->GetTop(), MulDiv(19, y, 8) + 4);  // flat: 4 pixels lower
    EXPECT_EQ(dialog.edit->GetWidth(), MulDiv(164, x, 4));
    EXPECT_EQ(dialog.edit->GetMaxLength(), 255);
    EXPECT_EQ(dialog.edit->LengthLimit, 3);
    EXPECT_TRUE(dialog.edit->GetFlat());
    for (TButton* button : {dialog.ok, dialog.cancel}) {
      EXPECT_EQ(button->GetTop(), MulDiv(41, y, 8));
      EXPECT_EQ(button->GetWidth(), MulDiv(50, x, 4));
      EXPECT_EQ(button->GetHeight(), MulDiv(14, y, 8));
    }
    EXPECT_EQ(dialog.ok->GetLeft(), MulDiv(38, x, 4));
    EXPECT_EQ(dialog.ok->GetCaption(), "OK");
    EXPECT_EQ(dialog.ok->ModalResult, mrOk);
    EXPECT_EQ(dialog.cancel->GetLeft(), MulDiv(92, x, 4));
    EXPECT_EQ(dialog.cancel->GetCaption(), "Abbrechen");
    EXPECT_TRUE(dialog.cancel->Cancel);
    // Everything lies inside the client area.
    EXPECT_LE(dialog.cancel->GetLeft() + dialog.cancel->GetWidth(), dialog.form->GetClientWidth());
    EXPECT_LE(dialog.ok->GetTop() + dialog.ok->GetHeight(), dialog.form->GetClientHeight());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  }));
}

}  // namespace
