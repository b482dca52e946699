// The query window's controls, their places and what activation puts in them.
#include <gtest/gtest.h>

#include "QueryWindowTest.h"
#include "window_picture.h"

namespace {

std::vector<std::string> Items(TComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->GetItems()->Count(); ++i)
    items.push_back(combo->GetItems()->Strings(i));
  return items;
}

struct Place {
  TControl* control;
  int left, top, width, height;
};

TEST_F(QueryWindow, ControlsStandAtTheirPlaces) {
  EXPECT_EQ(form.GetCaption(), "Datenbankabfrage");
  EXPECT_EQ(form.GetWidth(), 696);
  EXPECT_EQ(form.GetHeight(), 571);
  // Operators take the room ">=" needs in the system's font from the value edit beside them.
  const int wider = form.cbo2->GetWidth() - 33;
  EXPECT_GE(wider, 0);
  const Place places[] = {
      {form.Panel1, 24, 32, 649, 441},
      {form.cbo1, 24, 88, 97, 21},
      {form.cbo2, 128, 88, 33 + wider, 21},
      {form.cbo3, 168 + wider, 88, 121 - wider, 21},
      {form.cbo4, 352, 88, 97, 21},
      {form.cbo6, 496 + wider, 88, 121 - wider, 21},
      {form.cbo7, 24, 144, 97, 21},
      {form.cbo13, 24, 208, 97, 21},
      {form.cbo24, 496 + wider, 264, 121 - wider, 21},
      {form.cbo25, 24, 328, 121, 21},
      {form.cbo26, 168, 328, 121, 21},
      {form.edtBeschreibung1, 24, 384, 561, 21},
      {form.edtBeschreibung2, 24, 408, 561, 21},
      {form.ProgressBar1, 184, 200, 280, 40},
      {form.btnLaden, 24, 488, 105, 25},
      {form.btnSpeichern, 136, 488, 105, 25},
      {form.btnLoeschen, 248, 488, 105, 25},
      {form.btnAbbrechen, 472, 488, 89, 25},
      {form.btnOK, 584, 488, 89, 25},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.left * 1000 + p.top);
    EXPECT_EQ(p.control->GetLeft(), p.left);
    EXPECT_EQ(p.control->GetTop(), p.top);
    EXPECT_EQ(p.control->GetWidth(), p.width);
    EXPECT_EQ(p.control->GetHeight(), p.height);
  }
  EXPECT_EQ(form.chkGrossKlein->GetParent(), form.Panel1);
  // The switch's box stands at 344 or, where the font is wider, after its text.
  EXPECT_GE(form.chkGrossKlein->GetLeft(), 344);
  EXPECT_EQ(form.btnOK->GetParent(), &form);
  EXPECT_EQ(form.labDateiName->GetLeft(), 144);
  EXPECT_EQ(form.btnLoeschen->GetCaption(), "Felder &leeren");
  EXPECT_EQ(form.btnOK->GetCaption(), "&OK");
  EXPECT_EQ(form.btnAbbrechen->GetCaption(), "&abbrechen");
  EXPECT_EQ(form.Label1->GetCaption(), "[ (");
  EXPECT_EQ(form.Label6->GetCaption(), ") ]");
  EXPECT_EQ(form.Label1->GetFont()->GetName(), "Arial");
  EXPECT_LE(form.Label1->GetLeft() + form.Label1->GetWidth(), form.cbo1->GetLeft());
  EXPECT_LE(form.Label11->GetLeft() + form.Label11->GetWidth(), form.chkGrossKlein->GetLeft());
  EXPECT_EQ(form.labMeldung->GetColor(), clYellow);
  EXPECT_EQ(form.labMeldung->GetFont()->GetColor(), clRed);
  EXPECT_FALSE(form.labMeldung->GetVisible());
  EXPECT_FALSE(form.ProgressBar1->GetVisible());
  EXPECT_FALSE(form.grdIndex->GetVisible());
  EXPECT_FALSE(form.cbo27->GetVisible());
  EXPECT_EQ(form.edtReiter->GetText(), "0");
  EXPECT_EQ(form.edtReiter->GetEditType(), etNumeric);
  EXPECT_EQ(form.edtReiter->LengthLimit, 2);
  EXPECT_FALSE(form.Timer1->GetEnabled());
  EXPECT_EQ(form.Timer1->GetInterval(), 100);
  EXPECT_EQ(form.Timer2->GetInterval(), 0);
  for (TOpenDialog* dialog :
       {form.dbaseabfrageOpenDialog1, static_cast<TOpenDialog*>(form.dbaseabfrageSaveDialog1)}) {
    EXPECT_EQ(dialog->DefaultExt, "dba");
    EXPECT_EQ(dialog->FileName, "*.dba");
    EXPECT_EQ(dialog->Filter, "*.dba|*.dba");
  }
  // The index grid has the engine's form from the start.
  EXPECT_EQ(form.grdIndex->GetColCount(), 3);
  EXPECT_EQ(form.grdIndex->GetRowCount(), 1);
  EXPECT_EQ(form.grdIndex->GetFixedRows(), 0);
  EXPECT_EQ(form.grdIndex->GetDefaultRowHeight(), 21);
}

// Every criterion's three controls feed its three slots, in the order of the slots.
TEST_F(QueryWindow, EachSlotHasItsControl) {
  TControl* expected[] = {nullptr,    form.cbo1,  form.cbo2,  form.cbo3,  form.cbo4,  form.cbo5,
                          form.cbo6,  form.cbo7,  form.cbo8,  form.cbo9,  form.cbo10, form.cbo11,
                          form.cbo12, form.cbo13, form.cbo14, form.cbo15, form.cbo16, form.cbo17,
                          form.cbo18, form.cbo19, form.cbo20, form.cbo21, form.cbo22, form.cbo23,
                          form.cbo24, form.cbo25, form.cbo26, form.cbo27};
  for (int k = 1; k <= 27; ++k) EXPECT_EQ(form.SlotControl(k), expected[k]) << k;
}

TEST_F(QueryWindow, ActivationFillsTheListsAndShowsTheEnginesQuery) {
  form.cbo3->SetText("vorher");
  form.cbo1->SetText("geht");
  DbaseSetFixedText(dbase_abfragetext[3], kDbaseSlotSize, "im Motor");
  DbaseSetFixedText(dbase_beschreibung[1], kDbaseDescriptionSize, "auch");
  form.chkGrossKlein->SetChecked(true);
  dbase_grossklein = 0;
  form.Show();
  EXPECT_EQ(dbase_indexgrid, form.grdIndex);
  EXPECT_FALSE(form.chkGrossKlein->GetChecked());
  EXPECT_EQ(form.labDateiName->GetCaption(), dbase_dateiname);
  EXPECT_FALSE(form.labReiter->GetVisible());
  EXPECT_FALSE(form.edtReiter->GetVisible());
  const std::vector<std::string> fields = {"", "BEZEICHNUN", "PREIS", "DATUM", "BESTELLEN"};
  for (TComboBox* combo : {form.cbo1, form.cbo4, form.cbo22, form.cbo25, form.cbo26, form.cbo27}) {
    EXPECT_EQ(Items(combo), fields);
    EXPECT_EQ(combo->GetText(), "");
  }
  const std::vector<std::string> operators = {"=", "<", ">", "!"};
  for (TComboBox* combo : {form.cbo2, form.cbo5, form.cbo23}) {
    EXPECT_EQ(Items(combo), operators);
    EXPECT_EQ(combo->GetText(), "");
  }
  // No "LetzteAbfrage.dba" yet: the query the engine holds shows.
  EXPECT_EQ(form.cbo3->GetText(), "im Motor");
  EXPECT_EQ(form.edtBeschreibung2->GetText(), "auch");
  EXPECT_TRUE(log.texts.empty());

  Click(form.chkGrossKlein);
  EXPECT_EQ(dbase_grossklein, 1);
  Click(form.chkGrossKlein);
  EXPECT_EQ(dbase_grossklein, 0);
  form.Hide();
  form.Show();  // each activation fills the lists anew, not twice
  EXPECT_EQ(form.cbo1->GetItems()->Count(), 5);
  EXPECT_EQ(form.cbo2->GetItems()->Count(), 4);
}

// Renders the window with a query in it and the progress shown, and looks for the texts
// where they belong.
TEST_F(QueryWindow, PictureShowsTheQuery) {
  form.Show();
  Criterion(1, "BEZEICHNUN", "=", "R*");
  Criterion(2, "PREIS", ">", "5");
  Criterion(7, "BESTELLEN", "=", "ja");
  form.cbo25->SetText("PREIS");
  form.edtBeschreibung1->SetText("Teile mit R, teurer als 5");
  dbase_prozent = 40;
  form.ProgressBar1->Show();
  form.labMeldung->Show();
  form.Timer1Timer(form.Timer1);
  QImage image = RenderWindow(&form, "query.png");
  ASSERT_EQ(image.size(), QSize(688, 544));
  for (TControl* text :
       {static_cast<TControl*>(form.labDatenbank), static_cast<TControl*>(form.labDateiName),
        static_cast<TControl*>(form.Label1), static_cast<TControl*>(form.Label6),
        static_cast<TControl*>(form.labUnd4), static_cast<TControl*>(form.btnOK),
        static_cast<TControl*>(form.cbo1), static_cast<TControl*>(form.labMeldung)})
    EXPECT_TRUE(HasInk(image, AreaInForm(text)));
  EXPECT_FALSE(HasInk(image, AreaInForm(form.cbo12).adjusted(3, 3, -3, -3)));  // an unused value
  // The message stands on yellow.
  QRect message = AreaInForm(form.labMeldung);
  EXPECT_EQ(image.pixelColor(message.left() + 1, message.top() + 1), QColor(255, 255, 0));
}

}  // namespace
