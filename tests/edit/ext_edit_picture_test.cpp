// A picture of an edit in each look, kept in $KALVENTO_PICTURE_DIR when that is set.
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "edit_form.h"
#include "platform/stdctrls/panel.h"

namespace {

class EditPicture : public EditForm {
 protected:
  static QImage Save(QWidget* widget, const char* name) {
    QTemporaryDir temp;
    const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
    QString path = QDir(keep ? QString::fromLocal8Bit(keep) : temp.path()).filePath(name);
    EXPECT_TRUE(widget->grab().save(path));
    return QImage(path);
  }
};

TEST_F(EditPicture, EachLook) {
  form.SetBounds(0, 0, 320, 360);
  form.SetColor(clBtnFace);
  int row = 0;
  auto next = [&](const char* caption, const char* text) {
    TExtEdit* edit = NewEdit(130, 8 + 26 * row++, 160);
    edit->SetLabelCaption(caption);
    edit->SetText(text);
    return edit;
  };
  next("Normal", "Widerstand");
  TExtEdit* focused = next("Focused", "Kondensator");
  focused->FocusColor = clYellow;
  TExtEdit* modified = next("Modified", "Diode");
  modified->ShowModified = true;
  modified->SetModified(true);
  next("Disabled", "Transistor")->SetEnabled(false);
  TExtEdit* error = next("Error", "abc");
  error->ShowError = true;
  error->SetError(true);
  next("Flat", "Spule")->SetFlat(true);
  TExtEdit* soft = next("Flat soft", "Relais");
  soft->SetFlat(true);
  soft->SetSoftBorder(true);
  next("Border3D", "Quarz")->SetBorder3D(true);
  next("Empty text", "")->SetEmptyText("Bezeichnung eingeben");
  TExtEdit* marker = next("Error marker", "Potentiometr");
  marker->SetErrorMarkerPos(6);
  marker->SetErrorMarkerLen(6);
  TExtEdit* url = next("URL", "");
  url->ShowURL = true;
  url->SetText("https://example.org");
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 8 + 26 * row - 3, 320, 27);
  panel->SetColor(clAqua);
  TExtEdit* transparent = next("Transparent", "Sicherung");
  transparent->SetParent(panel);
  transparent->SetBounds(130, 3, 160, 21);
  transparent->SetTransparent(true);
  Show();
  focused->SetFocus();

  Save(form.Widget(), "edit-looks.png");
}

TEST_F(EditPicture, LookupList) {
  TExtEdit* edit = NewEdit(20, 20);
  edit->GetLookup()->Enabled = true;
  edit->GetLookup()->GetDisplayList()->SetCommaText("Widerstand,Wickel,Wendel,Kondensator");
  Show();
  edit->SetFocus();
  Type("w");
  Type("i");
  TListHintWindow* window = edit->GetLookupWindow();
  ASSERT_TRUE(window && window->GetVisible());
  QImage image = Save(window->Widget(), "edit-lookup.png");
  EXPECT_EQ(image.height(), 2 * 12 + 4);
  EXPECT_EQ(At(image, 0, 0), ColorToRGB(clWindowFrame));  // the border
  EXPECT_EQ(At(image, 4, 2), ColorToRGB(clHighlight));    // the chosen first row
  EXPECT_EQ(At(image, 4, 2 + 12), ColorToRGB(clWindow));  // the second
}

}  // namespace
