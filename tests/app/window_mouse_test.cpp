// The program's windows opened one from the other by mouse clicks, as a user opens them: in
// each, every button and check box answers a click, and the window below answers again once
// it closes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>

#include <algorithm>

#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_maske.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Kalventohaupt.h"
#include "app/ProgramWindows.h"
#include "engine/dbase.h"
#include "message_log.h"
#include "scoped_application.h"
#include "temp_folder.h"
#include "tools/sample/SampleDatabase.h"
#include "window_clicks.h"
#include "window_double_click.h"

namespace {

class WindowMouse : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteSampleDatabase(dir.Path()));
    dbase_initialisieren();
    CreateProgramWindows();
    frmKalventoHaupt->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmKalventoHaupt->Widget()));
  }
  void TearDown() override { dbase_finalisieren(); }

  // The form's controls that a click did not reach, by their captions.
  static std::vector<std::string> Unanswered(TForm& form) {
    std::vector<std::string> names;
    for (TControl* control : UnansweredClicks(form)) {
      auto* button = qobject_cast<QAbstractButton*>(control->Widget());
      names.push_back(button ? button->text().toStdString() : "?");
    }
    return names;
  }

  TempFolder dir;
  InFolder in{dir.Path()};
  MessageLog log;
  ScopedApplication scope;
};

TEST_F(WindowMouse, EveryButtonAndCheckBoxAnswersAClickInEveryWindow) {
  std::vector<std::string> shown;
  TfrmDatenbank_Liste& list = *frmDatenbank_Liste;
  WhenShown(list, [&] {
    shown.push_back("list");
    WhenShown(*frmKalvento_Maske, [&] {
      shown.push_back("entry");
      EXPECT_EQ(Unanswered(*frmKalvento_Maske), std::vector<std::string>{});
      ClickControl(frmKalvento_Maske->btnAbbrechen);
    });
    ClickControl(list.btnBearbeiten);
    WhenShown(*frmWarenkorbExportieren, [&] {
      shown.push_back("export");
      EXPECT_EQ(Unanswered(*frmWarenkorbExportieren), std::vector<std::string>{});
      frmWarenkorbExportieren->Close();
    });
    ClickControl(list.btnSpezial);
    WhenShown(*frmDbaseAbfrage, [&] {
      shown.push_back("query");
      EXPECT_EQ(Unanswered(*frmDbaseAbfrage), std::vector<std::string>{});
      ClickControl(frmDbaseAbfrage->btnAbbrechen);
    });
    ClickControl(list.btnSelektieren);
    EXPECT_EQ(Unanswered(list), std::vector<std::string>{});
    // A header double click asks for a quick search, every time.
    QWidget* cells = static_cast<QAbstractScrollArea*>(list.grdAusgabe->Widget())->viewport();
    TRect header = list.grdAusgabe->CellRect(1, 0);
    for (int twice = 0; twice < 2; ++twice) {
      WindowDoubleClick(cells, {header.Left + 5, header.Top + 5});
      QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    EXPECT_EQ(std::count(log.captions.begin(), log.captions.end(), "Schnellsuche"), 2);
    ClickControl(list.btnOK);
  });
  ClickControl(frmKalventoHaupt->Button1);
  EXPECT_FALSE(list.GetVisible());
  EXPECT_EQ(Unanswered(*frmKalventoHaupt), std::vector<std::string>{});
  EXPECT_EQ(shown, (std::vector<std::string>{"list", "entry", "export", "query"}));
}

}  // namespace
