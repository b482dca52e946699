// The look the typed and the masked edit share, run on both: the flat line and soft frame,
// the focus border on hover with AutoFocus, the disabled colour, the label following the
// edit; and the three points where their looks part.
#include <QEnterEvent>

#include "components/edit/ExtMaskEdit.h"
#include "edit_form.h"

namespace {

template <typename Edit>
class SharedLook : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    edit = new Edit(&form);
    edit->SetParent(&form);
    edit->SetBounds(80, 20, 150, 21);
    other = NewEdit(80, 60);
  }
  void Enter() {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(85, 25));
    QApplication::sendEvent(edit->Widget(), &enter);
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(edit->Widget(), &leave);
  }

  Edit* edit = nullptr;
  TExtEdit* other = nullptr;
};

using BothEdits = testing::Types<TExtEdit, TExtMaskEdit>;
TYPED_TEST_SUITE(SharedLook, BothEdits);

TYPED_TEST(SharedLook, FlatDrawsALineOrAFrameInTheParentsColour) {
  auto* edit = this->edit;
  this->form.SetColor(clAqua);
  edit->SetFlatLineColor(clMaroon);
  edit->SetFlat(true);
  EXPECT_EQ(edit->GetBorderStyle(), bsNone);
  EXPECT_EQ(edit->GetColor(), clAqua);
  EXPECT_EQ(edit->GetFormatRect(), TRect(2, 4, edit->GetWidth() - 2, edit->GetHeight() - 4));
  this->Show();
  const int bottom = edit->GetHeight() - 1, right = edit->GetWidth() - 1;
  const QImage line = this->Picture(edit);
  EXPECT_EQ(this->At(line, 0, bottom), clMaroon);
  EXPECT_EQ(this->At(line, right, bottom), clMaroon);
  EXPECT_NE(this->At(line, 0, 0), clMaroon);
  edit->SetSoftBorder(true);
  const QImage frame = this->Picture(edit);
  EXPECT_EQ(this->At(frame, right, 0), clMaroon);
  EXPECT_EQ(this->At(frame, 0, bottom / 2), clMaroon);
  edit->SetFlat(false);
  EXPECT_EQ(edit->GetColor(), clWindow);
  EXPECT_EQ(edit->GetFormatRect(), edit->GetClientRect());
}

TYPED_TEST(SharedLook, FocusBorderWhileTheMouseIsOverAndAutoFocus) {
  auto* edit = this->edit;
  edit->SetFlat(true);
  edit->SetFocusBorder(true);
  edit->AutoFocus = true;
  this->Show();
  this->other->SetFocus();
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_NE(this->At(this->Picture(edit), 0, 0), shadow);
  this->Enter();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(this->At(this->Picture(edit), 0, 0), shadow);
  this->Leave();
  this->other->SetFocus();
  EXPECT_NE(this->At(this->Picture(edit), 0, 0), shadow);
}

TYPED_TEST(SharedLook, DisabledColourAndTheLabelFollowTheEdit) {
  auto* edit = this->edit;
  edit->SetColorEx(clYellow);
  edit->SetLabelCaption("Teil");
  TLabel* label = edit->GetLabel();
  ASSERT_NE(label, nullptr);
  edit->SetEnabledEx(false);
  EXPECT_EQ(edit->GetColor(), clSilver);
  EXPECT_FALSE(label->GetEnabled());
  edit->SetDisabledColor(clGray);
  EXPECT_EQ(edit->GetColor(), clGray);
  edit->SetEnabledEx(true);
  EXPECT_EQ(edit->GetColor(), clYellow);
  EXPECT_TRUE(label->GetEnabled());

  edit->SetBounds(100, 90, 150, 21);
  EXPECT_EQ(label->GetTop(), 90);
  EXPECT_NEAR(label->GetLeft() + label->GetWidth() + 4, 100, 1);
  edit->SetVisible(false);
  EXPECT_FALSE(label->GetVisible());
  edit->SetVisible(true);
  EXPECT_TRUE(label->GetVisible());
  delete label;  // freed by the application: the edit forgets it
  EXPECT_EQ(edit->GetLabel(), nullptr);
}

// The typed edit takes the colour shown as its normal one, gives a flat edit the parent's
// colour for the focus too and gets its own border style back; the masked edit does not.
TEST(LooksPart, ShownColourFocusColourAndBorderStyle) {
  TForm form(nullptr);
  form.SetColor(clAqua);
  TExtEdit typed(&form);
  TExtMaskEdit masked(&form);
  typed.SetParent(&form);
  masked.SetParent(&form);

  typed.SetColor(clYellow);  // past SetColorEx
  masked.SetColor(clYellow);
  typed.SetEnabledEx(false);
  masked.SetEnabledEx(false);
  typed.SetEnabledEx(true);
  masked.SetEnabledEx(true);
  EXPECT_EQ(typed.GetColor(), clYellow);
  EXPECT_EQ(masked.GetColor(), clWindow);

  typed.FocusColor = masked.FocusColor = clLime;
  typed.SetBorderStyle(bsNone);
  masked.SetBorderStyle(bsNone);
  typed.SetFlat(true);
  masked.SetFlat(true);
  EXPECT_EQ(typed.FocusColor, clAqua);
  EXPECT_EQ(masked.FocusColor, clLime);
  typed.SetFlat(false);
  masked.SetFlat(false);
  EXPECT_EQ(typed.GetBorderStyle(), bsNone);
  EXPECT_EQ(masked.GetBorderStyle(), bsSingle);
}

}  // namespace
