// The attached label: its ten places beside an edit at a known place, the margin, and how it
// follows the edit's moves, font, visibility, enabled state and focus.
#include "edit_form.h"
#include "platform/graphics/canvas.h"

namespace {

class EditLabel : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    edit = NewEdit(100, 60, 150, 21);
    edit->SetLabelCaption("Bezeichnung");
    label = edit->GetLabel();
  }
  int TextWidth() const {
    TCanvas canvas;
    canvas.Font->Assign(*edit->GetLabelFont());
    return canvas.TextWidth("Bezeichnung");
  }
  TPoint Place() const { return TPoint(label->GetLeft(), label->GetTop()); }

  TExtEdit* edit = nullptr;
  TLabel* label = nullptr;
};

TEST_F(EditLabel, TenPositionsWithTheirMargin) {
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetParent(), &form);
  EXPECT_EQ(label->GetFocusControl(), edit);
  const int w = label->GetWidth(), h = label->GetHeight(), tw = TextWidth();
  const struct {
    TLabelPosition position;
    TPoint place;
  } cases[] = {
      {lpLeftTop, TPoint(100 - tw - 4, 60)},
      {lpLeftCenter, TPoint(100 - tw - 4, 60 + (21 - h) / 2)},
      {lpLeftBottom, TPoint(100 - tw - 4, 81 - h)},
      {lpTopLeft, TPoint(100, 60 - h - 4)},
      {lpBottomLeft, TPoint(100, 85)},
      {lpLeftTopLeft, TPoint(96, 60)},
      {lpLeftCenterLeft, TPoint(96, 60 + (21 - h) / 2)},
      {lpLeftBottomLeft, TPoint(96, 81 - h)},
      {lpTopCenter, TPoint(100 + (150 - w) / 2, 60 - h - 4)},
      {lpBottomCenter, TPoint(100 + (150 - w) / 2, 85)},
  };
  for (const auto& c : cases) {
    edit->SetLabelPosition(c.position);
    EXPECT_EQ(Place(), c.place) << "position " << int(c.position);
  }
}

TEST_F(EditLabel, LeftTopLabelEndsTheMarginBeforeTheEdit) {
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), 96);
  EXPECT_EQ(label->GetTop(), 60);
  edit->SetLabelMargin(10);
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), 90);
}

TEST_F(EditLabel, FollowsTheEditsMovesAndFont) {
  edit->SetLabelPosition(lpTopLeft);
  edit->SetBounds(150, 120, 100, 21);
  EXPECT_EQ(Place(), TPoint(150, 120 - label->GetHeight() - 4));
  edit->GetLabelFont()->SetSize(20);
  EXPECT_EQ(label->GetFont()->GetSize(), 20);
  EXPECT_EQ(Place(), TPoint(150, 120 - label->GetHeight() - 4));
  edit->SetLabelTransparent(true);
  EXPECT_TRUE(label->GetTransparent());
}

TEST_F(EditLabel, ShowsAndEnablesWithTheEdit) {
  edit->SetVisible(false);
  EXPECT_FALSE(label->GetVisible());
  edit->SetVisible(true);
  EXPECT_TRUE(label->GetVisible());
  edit->SetEnabled(false);
  EXPECT_FALSE(label->GetEnabled());
  edit->SetLabelAlwaysEnabled(true);
  EXPECT_TRUE(label->GetEnabled());
  edit->SetEnabled(true);
  edit->SetEnabled(false);
  EXPECT_TRUE(label->GetEnabled());
}

TEST_F(EditLabel, BoldWhileFocusedWithFocusLabel) {
  TExtEdit* other = NewEdit(100, 200);
  edit->FocusLabel = true;
  Show();
  edit->SetFocus();
  EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsBold));
  other->SetFocus();
  EXPECT_FALSE(label->GetFont()->GetStyle().Contains(fsBold));
}

TEST_F(EditLabel, LabelPicturedLeftOfTheEdit) {
  Show();
  QImage image = form.Widget()->grab().toImage();
  const QRect beside(label->GetLeft(), 60, 100 - 4 - label->GetLeft(), 21);
  EXPECT_TRUE(HasInk(image, beside));
  EXPECT_FALSE(HasInk(image, QRect(0, 60, label->GetLeft() - 1, 21)));
}

}  // namespace
