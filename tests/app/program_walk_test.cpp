// One walk along the program's main road as a user takes it: the built program on a copy of
// the bundled database, on a virtual X display of the test's own, driven by the real pointer
// and keys through the X server. Each step checks what it changed: the windows, the pixels
// of the list, the table file and the files written.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScrollBar>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "XDisplay.h"
#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_maske.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Kalventohaupt.h"
#include "app/PartsFields.h"
#include "engine/dbase.h"
#include "locale_scope.h"
#include "message_log.h"
#include "pdf_pages.h"
#include "temp_folder.h"
#include "tools/sample/SampleDatabase.h"

namespace {

const QString kMainTitle = "^Kalventodatenbank$";
const QString kListTitle = "Bauteile";
const QString kQueryTitle = "^Datenbankabfrage$";
const QString kEntryTitle = "^Kalvento Vandrix$";
const QString kExportTitle = "^Warenkorb exportieren$";

QWidget* CellsOf(TControl* grid) {
  return static_cast<QAbstractScrollArea*>(grid->Widget())->viewport();
}

// The records of the table file as they are now, read by the engine of this process. Numbers
// come as the file stores them, with a decimal point: the engine would show them with this
// process's separator, which the user's locale or an earlier test chose.
struct Part {
  AnsiString designation, unitPrice, totalPrice;
};
std::vector<std::optional<Part>> ReadParts(const std::string& table) {
  std::vector<std::optional<Part>> parts;
  LocaleScope stored(kEnglish);
  MessageLog quiet;
  dbase_initialisieren();
  if (dbase_open(table) == 1) {
    for (long n = 0; n < static_cast<long>(dbase_anzahldatensaetze); ++n) {
      if (dbase_lesen(n) != 1) {
        parts.emplace_back();
        continue;
      }
      auto field = [](int f) { return Trim(dbase_trAnsi(f)); };
      parts.push_back(Part{field(kDesignation), field(kUnitPrice), field(kTotalPrice)});
    }
    dbase_close();
  }
  dbase_finalisieren();
  return parts;
}

// The bundled database without the record locks in its lock folder: those name a copy of the
// program running on sample/ itself, and would hold the walk's records as long as it runs.
void CopyDatabase(const std::string& from, const std::string& to) {
  namespace fs = std::filesystem;
  fs::copy(from, to, fs::copy_options::recursive);
  for (const fs::directory_entry& file : fs::directory_iterator(fs::path(to) / kLockFolder))
    if (file.path().extension() == ".dsp") fs::remove(file.path());
}

// Whether the strip of `after` shows what `before` showed dx pixels further right.
bool SameShifted(const QImage& before, const QImage& after, QRect strip, int dx) {
  const size_t bytes = static_cast<size_t>(strip.width() - dx) * sizeof(QRgb);
  for (int y = strip.top(); y <= strip.bottom(); ++y) {
    auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y)) + strip.left() + dx;
    auto* is = reinterpret_cast<const QRgb*>(after.constScanLine(y)) + strip.left();
    if (std::memcmp(was, is, bytes) != 0) return false;
  }
  return true;
}

// The first shift dx > 0 by which the strip moved left; 0 when there is none.
int SidewaysShift(const QImage& before, const QImage& after, QRect strip) {
  for (int dx = 1; dx < strip.width() / 2; ++dx)
    if (SameShifted(before, after, strip, dx)) return dx;
  return 0;
}

class ProgramWalk : public testing::Test {
 protected:
  void SetUp() override {
    if (!x.Problem().isEmpty()) GTEST_SKIP() << x.Problem().toStdString();
    CopyDatabase(KALVENTO_SAMPLE, db);
    std::filesystem::create_directory(home);
    // The windows' places come from the same windows made here, off screen, on the same
    // definition.
    InFolder in(db);
    DatenbankDbmLaden("Kalvento.dbm");
    list.actEinstellungenLaden->Execute();
  }

  // The program's settings, documents and caches in a home of the walk's own, also where the
  // environment names other folders for them: a folder shared with other runs would give the
  // program their files and remembered choices. No print service answers, so the print goes
  // to the program's own PDF printer, not to a queue of this machine or of an earlier test.
  void StartProgram() {
    const QString own = QString::fromStdString(home);
    x.Start(KALVENTO_PROGRAM, QString::fromStdString(db),
            {"HOME=" + own, "CUPS_SERVER=" + QString::fromStdString(dir / "no-print-service"),
             "XDG_CONFIG_HOME=" + own + "/.config",
             "XDG_DATA_HOME=" + own + "/.local/share", "XDG_CACHE_HOME=" + own + "/.cache",
             "XDG_STATE_HOME=" + own + "/.local/state", "LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8",
             "LSAN_OPTIONS=suppressions=" KALVENTO_LSAN_SUPPRESSIONS ":print_suppressions=0"});
  }

  // A point of a control (its middle by default) on the screen, in the shown window.
  QPoint At(const QString& window, TControl* control, std::optional<QPoint> inside = {}) {
    QWidget* widget = control->Widget();
    return At(window, widget, inside.value_or(widget->rect().center()));
  }
  QPoint At(const QString& window, QWidget* widget, QPoint inside) {
    return x.Geometry(window).topLeft() + widget->mapTo(widget->window(), inside);
  }
  // A list cell's rectangle in the list window's grab.
  QRect ListCell(int col, int row) {
    TRect r = list.grdAusgabe->CellRect(col, row);
    QPoint origin = CellsOf(list.grdAusgabe)->mapTo(list.Widget(), QPoint(0, 0));
    return QRect(origin.x() + r.Left, origin.y() + r.Top, r.Width() - 1, r.Height() - 1);
  }
  QPoint ListCellOnScreen(const QString& window, int col, int row) {
    return x.Geometry(window).topLeft() + ListCell(col, row).center();
  }
  // A grab of the window once it shows what is asked, or the last one after a few seconds:
  // the program draws in its own time.
  QImage GrabWhen(const QString& window, const std::function<bool(const QImage&)>& shows) {
    QImage now;
    for (int tries = 0; tries < 40; ++tries) {
      now = x.Grab(window);
      if (shows(now)) break;
      QThread::msleep(125);
    }
    return now;
  }
  QImage Picture(const QString& window, const char* name) {
    QImage image = x.Grab(window);
    if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
      image.save(QDir(keep).filePath(name));
    return image;
  }
  // Types over the whole text of the edit that has the focus.
  void ReplaceText(const QString& window, const QString& text) {
    x.Key(window, "Home");
    x.Key(window, "shift+End");
    x.Type(window, text);
  }
  // The program's message box (titled with the program's name) answered with Return.
  void AnswerMessage() {
    const QString box = x.Window("^kalvento$");
    ASSERT_FALSE(box.isEmpty()) << x.Titles();
    x.Key(box, "Return");
    EXPECT_TRUE(x.WindowGone("^kalvento$"));
  }
  QImage TotalOf(const QImage& grab) {
    return grab.copy(list.labGesamtpreis->Widget()->geometry().united(
        list.GroupBox1->Widget()->geometry()));
  }

  XDisplay x;
  // The separators the program runs with; the walk reads the table under them all the same.
  LocaleScope german{kGerman};
  TempFolder dir;
  std::string db = dir / "db";
  std::string home = dir / "home";
  MessageLog quiet;
  TfrmKalventoHaupt main{nullptr};
  TfrmDatenbank_Liste list{nullptr};
  TfrmDbaseAbfrage query{nullptr};
  TfrmKalvento_Maske entry{nullptr};
  TfrmWarenkorbExportieren cart{nullptr};
};

TEST_F(ProgramWalk, TheMainRoadByThePointerAndTheKeys) {
  StartProgram();
  const QString mainWindow = x.Window(kMainTitle);
  ASSERT_FALSE(mainWindow.isEmpty()) << x.ProgramOutput().toStdString();
  Picture(mainWindow, "walk-main.png");

  // The main window's button opens the list on the bundled table.
  x.Click(At(mainWindow, main.Button1));
  const QString listWindow = x.Window(kListTitle);
  ASSERT_FALSE(listWindow.isEmpty());
  ASSERT_TRUE(x.WindowGone(kQueryTitle));  // the first query, run by the query window itself
  QThread::msleep(500);
  QImage page = Picture(listWindow, "walk-list.png");

  // One arrow click moves the page one row, one click in the trough one page.
  QWidget* bar = list.scrAusgabe->Widget();
  x.Click(At(listWindow, bar, {bar->width() / 2, bar->height() - 4}));
  auto oneRowDown = [&](const QImage& now) {
    for (int row = 1; row < TfrmDatenbank_Liste::kListRows - 1; ++row)
      if (now.copy(ListCell(0, row)) != page.copy(ListCell(0, row + 1))) return false;
    return true;
  };
  QImage down = GrabWhen(listWindow, oneRowDown);
  EXPECT_TRUE(oneRowDown(down));
  Picture(listWindow, "walk-list-down.png");
  x.Click(At(listWindow, bar, {bar->width() / 2, bar->height() - bar->width() - 12}));
  auto onePageDown = [&](const QImage& now) {
    return now.copy(ListCell(0, 1)) == down.copy(ListCell(0, TfrmDatenbank_Liste::kListRows - 1)) &&
           now.copy(ListCell(0, 2)) != down.copy(ListCell(0, 2));
  };
  EXPECT_TRUE(onePageDown(GrabWhen(listWindow, onePageDown)));
  Picture(listWindow, "walk-list-paged.png");

  // The sideways arrow moves the header and the cells together.
  auto* across = static_cast<QAbstractScrollArea*>(list.grdAusgabe->Widget())->horizontalScrollBar();
  QImage wide = x.Grab(listWindow);
  x.Click(At(listWindow, across, {across->width() - 6, across->height() / 2}));
  QImage moved = GrabWhen(listWindow, [&](const QImage& now) { return now != wide; });
  Picture(listWindow, "walk-list-sideways.png");
  const int right = CellsOf(list.grdAusgabe)->mapTo(list.Widget(), QPoint(0, 0)).x() +
                    CellsOf(list.grdAusgabe)->width() - 1;
  auto strip = [&](int row) {
    QRect cell = ListCell(1, row);
    return QRect(cell.left(), cell.top() + 1, right - cell.left(), cell.height() - 2);
  };
  const int dx = SidewaysShift(wide, moved, strip(0));
  EXPECT_GT(dx, 0);
  EXPECT_TRUE(SameShifted(wide, moved, strip(5), dx));
  EXPECT_EQ(moved.copy(ListCell(0, 5)), wide.copy(ListCell(0, 5)));  // the fixed column stays

  // A query typed in the query window runs and is kept as the last query.
  x.Click(At(listWindow, list.btnSelektieren));
  const QString queryWindow = x.Window(kQueryTitle);
  ASSERT_FALSE(queryWindow.isEmpty());
  for (auto [control, text] : {std::pair<TControl*, const char*>{query.cbo1, "BEZEICHNUN"},
                               {query.cbo2, "="}, {query.cbo3, "Elko*"}}) {
    x.Click(At(queryWindow, control, QPoint(6, control->GetHeight() / 2)));  // not the arrow
    x.Type(queryWindow, text);
  }
  Picture(queryWindow, "walk-query.png");
  x.Click(At(queryWindow, query.btnOK));
  EXPECT_TRUE(x.WindowGone(kQueryTitle));
  std::ifstream last(db + "/LetzteAbfrage.dba", std::ios::binary);
  std::string saved((std::istreambuf_iterator<char>(last)), {});
  EXPECT_NE(saved.find("Elko*"), std::string::npos);
  QImage hits = x.Grab(listWindow);

  // A row double-clicked opens the entry form; a new unit price is saved and totalled.
  x.DoubleClick(ListCellOnScreen(listWindow, 1, 1));
  QString entryWindow = x.Window(kEntryTitle);
  ASSERT_FALSE(entryWindow.isEmpty());
  Picture(entryWindow, "walk-entry.png");
  x.Click(At(entryWindow, entry.edtKalvento_Einzelprei));
  ReplaceText(entryWindow, "7,770");
  x.Click(At(entryWindow, entry.btnOK));
  EXPECT_TRUE(x.WindowGone(kEntryTitle));
  std::vector<std::optional<Part>> parts = ReadParts(db + "/Kalvento.dbf");
  int changed = -1;
  for (size_t n = 0; n < parts.size(); ++n)
    if (parts[n] && parts[n]->unitPrice == "7.770") changed = static_cast<int>(n);
  ASSERT_GE(changed, 0);
  EXPECT_EQ(parts[changed]->designation.rfind("Elko", 0), 0u) << parts[changed]->designation;
  QImage edited = GrabWhen(listWindow, [&](const QImage& now) { return TotalOf(now) != TotalOf(hits); });
  EXPECT_NE(TotalOf(edited), TotalOf(hits));

  // A new record: the table grows by it, the total follows.
  x.Click(At(listWindow, list.btnNeuerDatensatz));
  entryWindow = x.Window(kEntryTitle);
  ASSERT_FALSE(entryWindow.isEmpty());
  x.Click(At(entryWindow, entry.edtKalvento_Bezeichnun));
  ReplaceText(entryWindow, "Elko zz Walk");
  x.Click(At(entryWindow, entry.edtKalvento_Einzelprei));
  ReplaceText(entryWindow, "2,000");
  x.Click(At(entryWindow, entry.edtKalvento_Haupt1));
  ReplaceText(entryWindow, "3");
  x.Click(At(entryWindow, entry.btnOK));
  EXPECT_TRUE(x.WindowGone(kEntryTitle));
  parts = ReadParts(db + "/Kalvento.dbf");
  ASSERT_FALSE(parts.empty());
  ASSERT_TRUE(parts.back());
  EXPECT_EQ(parts.back()->designation, "Elko zz Walk");
  EXPECT_EQ(parts.back()->totalPrice, "6.00");
  QImage added = GrabWhen(listWindow, [&](const QImage& now) { return TotalOf(now) != TotalOf(edited); });
  EXPECT_NE(TotalOf(added), TotalOf(edited));

  // The first row deleted after a "Yes" (the list shows the chooser's query again since the
  // new record): the record is gone from the table, and its price from the total.
  x.Click(ListCellOnScreen(listWindow, 1, 1));
  x.Click(At(listWindow, list.btnLoeschen));
  const QString confirm = x.Window("^Best.*tigen$");
  ASSERT_FALSE(confirm.isEmpty()) << x.Titles();
  x.Key(confirm, "Return");  // "Ja"
  EXPECT_TRUE(x.WindowGone("^Best.*tigen$"));
  auto deleted = [](const std::vector<std::optional<Part>>& all) {
    return std::count(all.begin(), all.end(), std::nullopt);
  };
  const auto deletedBefore = deleted(parts);
  parts = ReadParts(db + "/Kalvento.dbf");
  EXPECT_EQ(deleted(parts), deletedBefore + 1);
  EXPECT_NE(TotalOf(GrabWhen(listWindow, [&](const QImage& now) {
              return TotalOf(now) != TotalOf(added);
            })),
            TotalOf(added));

  // The cart export writes its CSV where the save dialog says.
  x.Click(At(listWindow, list.btnSpezial));
  const QString cartWindow = x.Window(kExportTitle);
  ASSERT_FALSE(cartWindow.isEmpty());
  Picture(cartWindow, "walk-cart.png");
  x.Click(At(cartWindow, cart.Button1));
  const QString saveDialog = x.Window("^Speichern unter$");
  ASSERT_FALSE(saveDialog.isEmpty()) << x.Titles();
  const std::string csv = dir / "warenkorb.csv";
  x.Type(saveDialog, QString::fromStdString(csv));
  x.Key(saveDialog, "Return");
  AnswerMessage();  // the file named as saved
  std::ifstream written(csv);
  std::string line;
  int lines = 0;
  while (std::getline(written, line)) {
    ++lines;
    EXPECT_NE(line.find(';'), std::string::npos) << line;
  }
  EXPECT_GT(lines, 10) << [&] {
    std::string all;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
      all += entry.path().string() + " ";
    return all;
  }();
  x.Close(cartWindow);
  EXPECT_TRUE(x.WindowGone(kExportTitle));

  // Printed to the PDF file printer: the file named in the message has the pages.
  x.Click(At(listWindow, list.btnDrucken));
  const QString printDialog = x.Window("Druck");
  ASSERT_FALSE(printDialog.isEmpty()) << x.Titles();
  Picture(printDialog, "walk-print-dialog.png");
  x.Key(printDialog, "Return");
  AnswerMessage();  // the file named as printed
  QStringList pdfs;
  for (QDirIterator it(QString::fromStdString(home), {"*.pdf"}, QDir::Files,
                       QDirIterator::Subdirectories);
       it.hasNext();)
    pdfs << it.next();
  ASSERT_EQ(pdfs.size(), 1) << pdfs.join(", ").toStdString();
  EXPECT_GE(PdfPageCount(pdfs[0].toStdString()), 1);

  // Every window closed: the program ends well.
  x.Click(At(listWindow, list.btnOK));
  EXPECT_TRUE(x.WindowGone(kListTitle));
  x.Close(mainWindow);
  std::optional<int> code = x.WaitForExit(std::chrono::seconds(30));
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0) << x.ProgramOutput().toStdString();
}

}  // namespace
