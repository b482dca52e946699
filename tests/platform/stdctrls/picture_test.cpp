// A dialog with every standard control, shown offscreen and kept as a picture for the eye.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/combobox.h"
#include "platform/stdctrls/edit.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/groupbox.h"
#include "platform/stdctrls/image.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/memo.h"
#include "platform/stdctrls/pagecontrol.h"
#include "platform/stdctrls/panel.h"
#include "platform/stdctrls/progressbar.h"
#include "platform/stdctrls/scrollbar.h"
#include "platform/stdctrls/statusbar.h"
#include "platform/stdctrls/updown.h"

namespace {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, int left, int top, int width, int height,
         const AnsiString& caption = "") {
  auto* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  if (!caption.empty()) control->SetCaption(caption);
  return control;
}

class Dialog : public TForm {
 public:
  explicit Dialog(TComponent* owner) : TForm(owner) {
    SetCaption("Alle Steuerelemente");
    SetBounds(0, 0, 568, 437);
    Place<TLabel>(this, this, 16, 12, 0, 0, "&Bezeichnung:");
    auto* name = Place<TEdit>(this, this, 112, 8, 200, 21);
    name->SetText("Kondensator 100 nF");
    Place<TLabel>(this, this, 16, 40, 0, 0, "Anzahl:");
    auto* count = Place<TEdit>(this, this, 112, 36, 60, 21);
    count->SetText("12");
    Place<TUpDown>(this, this, 0, 0, 17, 21)->SetAssociate(count);
    auto* memo = Place<TMemo>(this, this, 112, 64, 200, 60);
    memo->SetScrollBars(ssVertical);
    memo->SetText("Bemerkungen\r\nzweite Zeile");
    auto* combo = Place<TComboBox>(this, this, 112, 132, 120, 21);
    for (const char* item : {"Reichelt", "Conrad"}) combo->GetItems()->Add(item);
    combo->SetItemIndex(0);
    auto* list = Place<TComboBox>(this, this, 240, 132, 72, 21);
    list->SetStyle(csDropDownList);
    for (const char* item : {"=", "<", ">", "!"}) list->GetItems()->Add(item);
    list->SetItemIndex(0);
    Place<TCheckBox>(this, this, 112, 162, 200, 17, "bestellen")->SetChecked(true);
    auto* group = Place<TGroupBox>(this, this, 16, 188, 296, 64, "Sortierkriterien:");
    Place<TRadioButton>(this, group, 12, 20, 120, 17, "aufsteigend")->SetChecked(true);
    Place<TRadioButton>(this, group, 12, 40, 120, 17, "absteigend");
    auto* bar = Place<TScrollBar>(this, this, 0, 0, 121, 17);
    bar->SetKind(sbVertical);
    bar->SetBounds(320, 8, 17, 244);
    bar->SetPageSize(10);
    auto* pages = Place<TPageControl>(this, this, 344, 8, 200, 160);
    for (const char* caption : {"Liste1", "Liste2", "Liste3"}) {
      auto* sheet = new TTabSheet(this);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    Place<TLabel>(this, pages->Pages(0), 8, 8, 0, 0, "Seite eins");
    progress = Place<TProgressBar>(this, this, 344, 180, 200, 16);
    progress->SetPosition(60);
    auto* panel = Place<TPanel>(this, this, 16, 264, 296, 41, "Gesamtpreis: 12,50 \x80");
    panel->SetBevelOuter(bvLowered);
    auto* image = Place<TImage>(this, this, 344, 264, 48, 48);
    TBitmap* bitmap = image->GetPicture()->GetBitmap();
    bitmap->SetSize(48, 48);
    bitmap->Canvas->Brush->SetColor(clNavy);
    bitmap->Canvas->FillRect(TRect(0, 0, 48, 48));
    bitmap->Canvas->Brush->SetColor(clYellow);
    bitmap->Canvas->Ellipse(8, 8, 40, 40);
    auto* warning = Place<TLabel>(this, this, 344, 324, 0, 0, "  durchsuche Datens\xE4tze  ");
    warning->SetColor(clYellow);
    warning->GetFont()->SetColor(clRed);
    warning->GetFont()->SetStyle(fsBold);
    ok = Place<TButton>(this, this, 344, 220, 75, 25, "&OK");
    ok->SetDefault(true);
    Place<TButton>(this, this, 432, 220, 75, 25, "&abbrechen")->Cancel = true;
    auto* status = Place<TStatusBar>(this, this, 0, 0, 0, 19);
    status->SetSimplePanel(true);
    status->SetSimpleText("Daten o.k.");
  }
  TProgressBar* progress;
  TButton* ok;
};

TEST(Picture, DialogWithEveryStandardControl) {
  Dialog dialog(nullptr);
  dialog.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.Widget()));
  QImage picture = dialog.Widget()->grab().toImage();
  EXPECT_EQ(picture.size(), QSize(dialog.GetClientWidth(), dialog.GetClientHeight()));
  ASSERT_TRUE(picture.save("/tmp/kalvento-standard-controls.png"));

  // The bar is filled on its left and empty on its right.
  int y = dialog.progress->GetTop() + 8;
  QColor filled = picture.pixelColor(dialog.progress->GetLeft() + 20, y);
  QColor empty = picture.pixelColor(dialog.progress->GetLeft() + 180, y);
  EXPECT_NE(filled, empty);
}

}  // namespace
