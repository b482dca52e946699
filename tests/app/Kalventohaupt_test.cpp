#include <gtest/gtest.h>

#include <QColor>
#include <QTimer>
#include <QWidget>

#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Dbaseindexprint.h"
#include "app/Kalvento_maske.h"
#include "app/Kalventohaupt.h"
#include "app/ProgramWindows.h"
#include "focus_marks.h"
#include "message_log.h"
#include "scoped_application.h"
#include "temp_folder.h"
#include "tools/sample/DefinitionWriter.h"
#include "window_picture.h"

namespace {

class MainWindow : public testing::Test {
 protected:
  TfrmKalventoHaupt form{nullptr};
  // Everything on the window, top to bottom.
  std::vector<TControl*> Column() {
    return {form.lblTitel, form.lblHinweis, form.lblHaftung,
            form.lblTitle, form.lblNote,    form.Button1};
  }
};

struct Expected {
  TLabel* label;
  int left, top, width;  // width 0: the label takes the width of its text
  const char* caption;
};

TEST_F(MainWindow, TextsAndPlaces) {
  EXPECT_EQ(form.GetCaption(), "Kalventodatenbank");
  EXPECT_EQ(form.GetWidth(), 674);
  EXPECT_EQ(form.GetHeight(), 390);
  EXPECT_EQ(form.GetFont()->GetSize(), 8);

  const Expected labels[] = {
      {form.lblTitel, 232, 48, 0, "Kalvento f\xFCr Vandrix V7"},
      {form.lblTitle, 240, 168, 0, "Components for Vandrix V7"},
      {form.lblHinweis, 72, 72, 456,
       "Die Datenbank kann zur einfachen Kalventobestellung (v.a. Fa. Reichelt) und zur "
       "Kalkulation der Gesamtkosten  verwendet werden ."},
      {form.lblHaftung, 72, 104, 541,
       "Die Liste wurde mit Sorgfalt erstellt. Auf Grund des Umfanges sind Fehler aber nicht "
       "ausgeschlossen. Kalventopreise \xE4ndern sich laufend. Bitte passen Sie f\xFCr eine "
       "genaue Kalkulation die Preise an."},
      {form.lblNote, 152, 200, 366, nullptr},
  };
  for (const Expected& e : labels) {
    SCOPED_TRACE(e.left * 1000 + e.top);
    EXPECT_EQ(e.label->GetParent(), &form);
    EXPECT_EQ(e.label->GetLeft(), e.left);
    EXPECT_EQ(e.label->GetTop(), e.top);
    EXPECT_EQ(e.label->GetWordWrap(), e.width > 0);
    if (e.width > 0) {
      EXPECT_EQ(e.label->GetWidth(), e.width);
    }
    if (e.caption) {
      EXPECT_EQ(e.label->GetCaption(), e.caption);
    }
    bool title = e.width == 0;
    EXPECT_EQ(e.label->GetFont()->GetStyle().Contains(fsBold), title);
    EXPECT_EQ(e.label->GetFont()->GetHeight(), title ? -16 : -11);
  }
  EXPECT_EQ(form.lblNote->GetCaption().find("www"), AnsiString::npos);
  EXPECT_NE(form.lblNote->GetCaption().find("Reichelt"), AnsiString::npos);

  EXPECT_EQ(form.Button1->GetCaption(), "Kalvento - Components");
  EXPECT_EQ(form.Button1->Widget()->geometry(), QRect(232, 272, 169, 25));
}

// The texts stand one below the other in the client area, none running into the next.
TEST_F(MainWindow, TextsDoNotOverlap) {
  std::vector<TControl*> column = Column();
  for (size_t i = 0; i + 1 < column.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(column[i]->GetTop() + column[i]->GetHeight(), column[i + 1]->GetTop());
    EXPECT_LE(column[i]->GetLeft() + column[i]->GetWidth(), form.GetClientWidth());
  }
}

// Renders the window into a PNG (kept in $KALVENTO_PICTURE_DIR when that is set) and looks
// for the texts where they belong.
TEST_F(MainWindow, PictureShowsTheTextsWhereTheyBelong) {
  form.Show();
  QImage image = RenderWindow(&form, "main.png");
  ASSERT_EQ(image.size(), QSize(666, 363));
  for (TControl* text : Column()) EXPECT_TRUE(HasInk(image, AreaInForm(text)));
  QRect left(0, 0, 60, image.height());
  EXPECT_FALSE(HasInk(image, left));
}

// The button is the window's one stop: it shows the focus it has from the start.
TEST_F(MainWindow, TheButtonShowsThatItHasTheFocus) {
  form.Show();
  form.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  EXPECT_EQ(UnmarkedStops(form, {NAMED(form, Button1)}, "main-window-focus.png"),
            std::vector<std::string>{});
}

TEST_F(MainWindow, ShowsAsTheMainFormAndClosingItEndsTheProgram) {
  ScopedApplication scope;
  Application->CreateForm(frmKalventoHaupt);
  QTimer::singleShot(0, [] {
    EXPECT_TRUE(frmKalventoHaupt->Widget()->isVisible());
    frmKalventoHaupt->Widget()->close();
  });
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(frmKalventoHaupt->GetVisible());
}

// The windows in the order of the program's start: the main window first, the main form.
TEST(Start, CreatesTheWindowsInOrderTheMainWindowFirst) {
  ScopedApplication scope;
  CreateProgramWindows();
  std::vector<TComponent*> expected = {frmKalventoHaupt,   frmDatenbank_Liste, frmDbaseIndexPrint,
                                       frmDbaseAbfrage,    frmKalvento_Maske,
                                       frmWarenkorbExportieren};
  ASSERT_EQ(Application->GetComponentCount(), static_cast<int>(expected.size()));
  for (int i = 0; i < Application->GetComponentCount(); ++i)
    EXPECT_EQ(Application->GetComponent(i), expected[i]) << i;
  EXPECT_EQ(Application->GetMainForm(), frmKalventoHaupt);
}

// A second start or a surplus end of the unit leaves the engine alone.
TEST(Start, TheEngineStartsAndEndsOnce) {
  KalventohauptInitialization();
  dbase_nachkomma = 5;
  KalventohauptInitialization();
  EXPECT_EQ(dbase_nachkomma, 5);
  KalventohauptFinalization();
  EXPECT_EQ(dbase_nachkomma, 5);
  KalventohauptFinalization();
  dbase_nachkomma = 5;
  KalventohauptFinalization();
  KalventohauptInitialization();
  EXPECT_EQ(dbase_nachkomma, 2);  // started afresh
  KalventohauptFinalization();
}

// The button reads the definition from the working folder, again at every press, and shows
// the list window modally (here one that closes as it opens).
TEST_F(MainWindow, TheButtonReadsTheDefinitionOfTheWorkingFolderEachTime) {
  TempFolder dir;
  InFolder in(dir.Path());
  MessageLog log;
  TfrmDatenbank_Liste list(nullptr);
  int shown = 0;
  list.OnActivate = [&](TObject*) {
    ++shown;
    EXPECT_TRUE(list.IsModal());
    QTimer::singleShot(0, [&] { list.Close(); });
  };
  frmDatenbank_Liste = &list;
  DbmDefinition d;
  d.table = "erste.dbf";
  ASSERT_TRUE(WriteDefinition(d, "Kalvento.dbm"));
  form.Button1->Click();
  EXPECT_EQ(dbm_datei, "Kalvento.dbm");
  EXPECT_EQ(dbm_tabelle, "erste.dbf");
  d.table = "zweite.dbf";
  ASSERT_TRUE(WriteDefinition(d, "Kalvento.dbm"));
  form.Button1->Click();
  EXPECT_EQ(dbm_tabelle, "zweite.dbf");
  EXPECT_TRUE(log.texts.empty());

  std::filesystem::remove(dir / "Kalvento.dbm");
  form.Button1->Click();
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "Fehler: DatenbankDbmLaden finde Kalvento.dbm nicht!");
  EXPECT_EQ(dbm_tabelle, "zweite.dbf");
  EXPECT_EQ(shown, 3);  // the list opens all the same
  frmDatenbank_Liste = nullptr;
}

}  // namespace
