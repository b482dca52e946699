// The look: the colours of the states and their order, the flat line and frame, the 3D
// border, the grey empty text, the red error zigzag, transparency, the width and alignment
// while focused, and the hint with the whole value.
#include <QEnterEvent>
#include <QLineEdit>

#include "edit_form.h"

namespace {

class EditLook : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    edit = NewEdit(20, 20);
    other = NewEdit(20, 60);
  }
  // The colour of the field away from its frame and text.
  TColor Field() { return At(Picture(edit), edit->GetWidth() - 8, edit->GetHeight() / 2); }
  TColor FontColor() const { return edit->GetFont()->GetColor(); }

  TExtEdit* edit = nullptr;
  TExtEdit* other = nullptr;
};

TEST_F(EditLook, FocusColoursComeAndGo) {
  edit->FocusColor = clYellow;
  edit->FocusFontColor = clNavy;
  Show();
  other->SetFocus();
  EXPECT_EQ(Field(), ColorToRGB(clWindow));
  edit->SetFocus();
  EXPECT_EQ(edit->GetColor(), clYellow);
  EXPECT_EQ(FontColor(), clNavy);
  EXPECT_EQ(Field(), clYellow);
  other->SetFocus();
  EXPECT_EQ(edit->GetColor(), clWindow);
  EXPECT_EQ(FontColor(), clWindowText);
}

// Error over focus, disabled over all; each state gone, the one below shows again.
TEST_F(EditLook, ErrorAndDisabledColoursTakePrecedence) {
  edit->FocusColor = clYellow;
  edit->ShowError = true;
  edit->OnValueValidate = [](TObject*, const AnsiString& Value, bool& IsValid) {
    IsValid = Value != "falsch";
  };
  Show();
  edit->SetFocus();
  Type("falsch");
  EXPECT_TRUE(edit->GetError());
  EXPECT_EQ(edit->GetColor(), clRed);
  EXPECT_EQ(FontColor(), clWhite);
  EXPECT_EQ(Field(), clRed);
  other->SetFocus();  // the error look stays outside focus
  EXPECT_EQ(edit->GetColor(), clRed);
  edit->SetFocus();
  EXPECT_EQ(edit->GetColor(), clRed);
  Key(Qt::Key_Backspace);
  EXPECT_FALSE(edit->GetError());
  EXPECT_EQ(edit->GetColor(), clYellow);
  EXPECT_EQ(FontColor(), clWindowText);
  other->SetFocus();
  edit->SetEnabled(false);
  EXPECT_EQ(Field(), clSilver);
  edit->SetEnabled(true);
  EXPECT_EQ(edit->GetColor(), clWindow);
}

TEST_F(EditLook, ModifiedColourKeepsOutTheFocusColours) {
  edit->ShowModified = true;
  edit->FocusColor = clYellow;
  Show();
  edit->SetFocus();
  EXPECT_EQ(edit->GetColor(), clWindow);
  Type("x");
  EXPECT_EQ(FontColor(), clHighlight);
  edit->SetText("neu");
  EXPECT_EQ(FontColor(), clWindowText);
}

TEST_F(EditLook, ColorExIsTheColourOutsideFocus) {
  edit->FocusColor = clYellow;
  edit->SetColorEx(clAqua);
  Show();
  edit->SetFocus();
  other->SetFocus();
  EXPECT_EQ(edit->GetColorEx(), clAqua);
  edit->SetDisabledColor(clGray);
  edit->SetEnabledEx(false);
  EXPECT_EQ(edit->GetColor(), clGray);
  edit->SetEnabledEx(true);
  EXPECT_EQ(edit->GetColor(), clAqua);
}

// The URL colour used to become the normal font colour at focus entry and stayed after the
// value was no address any more.
TEST_F(EditLook, UrlColourDoesNotStickAfterFocus) {
  edit->ShowURL = true;
  edit->SetText("http://example.org");
  EXPECT_EQ(FontColor(), clBlue);
  EXPECT_TRUE(edit->GetFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(edit->GetCursor(), crHandPoint);
  Show();
  edit->SetFocus();
  EXPECT_EQ(FontColor(), clBlue);
  other->SetFocus();
  edit->SetText("kein Link");
  EXPECT_EQ(FontColor(), clWindowText);
  EXPECT_FALSE(edit->GetFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(edit->GetCursor(), crDefault);
}

TEST_F(EditLook, UrlsAreRecognised) {
  for (auto [text, url] :
       {std::pair{"ftp://x", true}, {"name@host.de", true}, {"@host", false}, {"text", false}}) {
    edit->SetText(text);
    EXPECT_EQ(edit->TestURL(), url) << text;
  }
}

// Grey ink, smoothed at the glyphs' edges: not the field's white, not the caret's black.
bool HasGreyText(const QImage& image, const QRect& area) {
  return Any(image, area, [](const QColor& c) {
    return c.red() == c.green() && c.green() == c.blue() && c.red() >= 0x60 && c.red() <= 0xA0;
  });
}

TEST_F(EditLook, EmptyTextShowsOnlyWhileEmptyAndUnfocused) {
  edit->GetFont()->SetColor(clBlue);  // the value's own ink is not grey
  edit->FocusFontColor = clBlue;
  edit->SetEmptyText("Bezeichnung");
  Show();
  other->SetFocus();
  const QRect inside(4, 4, edit->GetWidth() - 8, edit->GetHeight() - 8);
  EXPECT_TRUE(HasGreyText(Picture(edit), inside));
  edit->SetFocus();
  EXPECT_FALSE(HasGreyText(Picture(edit), inside));
  other->SetFocus();
  edit->SetText("Wert");
  EXPECT_FALSE(HasGreyText(Picture(edit), inside));
}

TEST_F(EditLook, FlatLookDrawsALineOrAFrame) {
  form.SetColor(clAqua);
  edit->SetFlatLineColor(clMaroon);
  edit->SetFlat(true);
  EXPECT_EQ(edit->GetBorderStyle(), bsNone);
  EXPECT_EQ(edit->GetColor(), clAqua);  // the parent's
  EXPECT_EQ(edit->FocusColor, clAqua);
  EXPECT_EQ(edit->GetFormatRect(), TRect(2, 4, edit->GetWidth() - 2, edit->GetHeight() - 4));
  Show();
  const int bottom = edit->GetHeight() - 1, right = edit->GetWidth() - 1;
  QImage line = Picture(edit);
  EXPECT_EQ(At(line, 0, bottom), clMaroon);
  EXPECT_EQ(At(line, right, bottom), clMaroon);
  EXPECT_NE(At(line, 0, 0), clMaroon);
  edit->SetSoftBorder(true);
  QImage frame = Picture(edit);
  EXPECT_EQ(At(frame, 0, 0), clMaroon);
  EXPECT_EQ(At(frame, right, 0), clMaroon);
  EXPECT_EQ(At(frame, 0, bottom / 2), clMaroon);
  edit->SetFlat(false);
  EXPECT_EQ(edit->GetBorderStyle(), bsSingle);
  EXPECT_EQ(edit->GetColor(), clWindow);
  EXPECT_EQ(edit->GetFormatRect(), edit->GetClientRect());
}

// The parent's colour is the flat edit's own outside focus, also after it had the focus.
TEST_F(EditLook, FlatParentColourOutlastsTheFocus) {
  form.SetColor(clAqua);
  edit->SetColorEx(clYellow);
  edit->SetFlat(true);
  Show();
  edit->SetFocus();
  EXPECT_EQ(edit->GetColor(), clAqua);  // the focus colour is the parent's too
  other->SetFocus();
  EXPECT_EQ(edit->GetColor(), clAqua);
  EXPECT_EQ(At(Picture(edit), edit->GetWidth() / 2, 3), clAqua);
  edit->SetFlat(false);
  EXPECT_EQ(edit->GetColor(), clYellow);
  edit->SetFocus();
  other->SetFocus();
  EXPECT_EQ(edit->GetColor(), clYellow);
}

TEST_F(EditLook, Border3DDrawsASunkenEdge) {
  edit->SetBorder3D(true);
  Show();
  QImage image = Picture(edit);
  EXPECT_EQ(At(image, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(image, edit->GetWidth() - 1, edit->GetHeight() - 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(image, 1, 1), ColorToRGB(clBtnFace));
}

TEST_F(EditLook, FocusBorderWhileTheMouseIsOverAndAutoFocus) {
  edit->SetFlat(true);
  edit->SetFocusBorder(true);
  edit->AutoFocus = true;
  Show();
  other->SetFocus();
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_NE(At(Picture(edit), 0, 0), shadow);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
  QApplication::sendEvent(edit->Widget(), &enter);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(At(Picture(edit), 0, 0), shadow);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(edit->Widget(), &leave);
  other->SetFocus();
  EXPECT_NE(At(Picture(edit), 0, 0), shadow);
}

TEST_F(EditLook, ErrorMarkerZigzagsUnderTheMarkedCharactersWhileUnfocused) {
  edit->SetText("Widerstand");
  edit->SetErrorMarkerPos(5);
  edit->SetErrorMarkerLen(5);
  Show();
  other->SetFocus();
  const int start = edit->PosFromChar(5).x;
  QImage image = Picture(edit);
  EXPECT_TRUE(Has(image, QRect(start, 0, 20, edit->GetHeight()), clRed));
  EXPECT_FALSE(Has(image, QRect(0, 0, start - 2, edit->GetHeight()), clRed));
  edit->SetFocus();
  EXPECT_FALSE(Has(Picture(edit), QRect(0, 0, edit->GetWidth(), edit->GetHeight()), clRed));
}

TEST_F(EditLook, TransparentEditShowsItsParent) {
  form.SetColor(clAqua);
  edit->SetTransparent(true);
  edit->FocusColor = clYellow;
  Show();
  edit->SetFocus();  // a colour change keeps it transparent
  EXPECT_EQ(At(form.Widget()->grab().toImage(), edit->GetLeft() + edit->GetWidth() - 8,
               edit->GetTop() + 10),
            clAqua);
}

TEST_F(EditLook, FocusWidensAndAlignsTheEdit) {
  edit->FocusWidthInc = 30;
  edit->FocusAlign = eaRight;
  auto* line = static_cast<QLineEdit*>(edit->Widget());
  Show();
  other->SetFocus();
  edit->SetFocus();
  EXPECT_EQ(edit->GetWidth(), 180);
  EXPECT_TRUE(line->alignment() & Qt::AlignRight);
  other->SetFocus();
  EXPECT_EQ(edit->GetWidth(), 150);
  EXPECT_EQ(edit->GetEditAlign(), eaLeft);
  EXPECT_TRUE(line->alignment() & Qt::AlignLeft);
  edit->SetEditAlign(eaCenter);
  EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(edit->GetWidth(), 150);
}

// CMHintShow as the hint would ask.
class HintEdit : public TExtEdit {
 public:
  using TExtEdit::CMHintShow;
  using TExtEdit::TExtEdit;
};

TEST_F(EditLook, HintShowsTheWholeValueWhenItDoesNotFit) {
  auto* hinted = new HintEdit(&form);
  hinted->SetParent(&form);
  hinted->SetBounds(20, 100, 60, 21);
  hinted->HintShowLargeText = true;
  hinted->SetHint("kurz");
  Show();
  THintInfo info;
  info.HintStr = "kurz";
  hinted->SetText("ab");
  hinted->CMHintShow(info);
  EXPECT_EQ(info.HintStr, "kurz");
  hinted->SetText("Ein sehr langer Wert, der nicht passt");
  hinted->CMHintShow(info);
  EXPECT_EQ(info.HintStr, "Ein sehr langer Wert, der nicht passt");
  EXPECT_EQ(info.HintPos, hinted->ClientToScreen(TPoint(0, 0)));
}

}  // namespace
