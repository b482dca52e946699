#include <QTimer>

#include <chrono>

#include "tests/engine/EngineTest.h"

namespace {

using LifecycleTest = EngineTest;

TEST_F(LifecycleTest, StartAndEndBringTheEngineToItsStartValues) {
  Open(PartsFile());
  dbase_nachkomma = 3;
  dbm_zeichensatz = 2;
  dbase_freistart = 9;
  dbase_finalisieren();
  EXPECT_EQ(dbase_datei, nullptr);
  EXPECT_EQ(dbase_dateiname, "");
  dbase_initialisieren();
  EXPECT_EQ(dbase_nachkomma, 2);
  EXPECT_EQ(dbm_zeichensatz, 0);
  EXPECT_EQ(dbase_freistart, 0u);
}

TEST_F(LifecycleTest, TheLookupInstanceIsAStateOfItsOwn) {
  Open(PartsFile().Add({"HAUPT"}));
  DbfFile other{{{"NAME", 'C', 4}}};
  other.Add({"ZWEI"}).Write(dir / "zweit.dbf");
  ASSERT_EQ(DbaseOpen(dbase_tabelle2, dir / "zweit.dbf"), 1);
  EXPECT_TRUE(dbase_tabelle2.recordMulti.empty());
  EXPECT_EQ(DbaseReadWindowed(dbase_tabelle2, 0), 1);
  EXPECT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(dbase_trAnsi(0), "HAUPT");
  EXPECT_EQ(dbase_dateiname, "teile.dbf");
  DbaseFieldRead(dbase_tabelle2, 1, 0);
  EXPECT_EQ(log.texts.back(), "dbase2_tr: Feldnummer>=dbase2_anzahldatenfelder: 1");
  DbaseClose(dbase_tabelle2);
  EXPECT_NE(dbase_datei, nullptr);
}

TEST_F(LifecycleTest, WaitingLetsTheMessageLoopRun) {
  bool fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  auto start = std::chrono::steady_clock::now();
  dbase_warten(30);
  EXPECT_TRUE(fired);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

}  // namespace
