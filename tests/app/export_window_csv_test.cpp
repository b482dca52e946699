// The general CSV export of the list's hits, the line writer, and the window's picture.
#include <cstdio>
#include <cstring>

#include "ExportWindowTest.h"
#include "engine/DbaseText.h"
#include "window_picture.h"

namespace {

std::string GeneralLine(int n, const std::string& supplier, const std::string& remarks) {
  return "Teil 000" + std::to_string(n) + ";" + supplier + ";B-000" + std::to_string(n) +
         ";1,500;" + std::to_string(n % 9 + 1) + ";" + remarks + ";\n";
}

// Every hit in the list's order under the header; a remark's line break becomes a blank, and
// a ";" in the data is shown and written as it is.
TEST_F(ExportWindow, TheGeneralFileHoldsEveryHitUnderItsHeader) {
  WriteDatabase(4, 1, [](int n, std::vector<std::string>& values) {
    if (n == 1) values[kRemarks] = "erste Zeile\r\nzweite\rdritte\nEnde";
    if (n == 2) values[kSupplier] = "Reichelt;Conrad";
  });
  ShowList();
  log.Answer(AnsiString(Path("alle.csv")));
  form.btnCSVDateiClick(nullptr);
  EXPECT_EQ(Read(Path("alle.csv")),
            "Bezeichnung;Bezugsquelle;Reichelt-Bestellnummer;Einzelpreis;Anzahl;Bemerkungen\n" +
                GeneralLine(0, "Conrad", "Bem 0") +
                GeneralLine(1, "Reichelt", "erste Zeile  zweite dritte Ende") +
                GeneralLine(2, "Reichelt;Conrad", "Bem 2") + GeneralLine(3, "Reichelt", "Bem 3"));
  const std::vector<AnsiString> shown = {"FEHLER: Daten enthalten ';' Reichelt;Conrad",
                                         Path("alle.csv") + " - gespeichert"};
  EXPECT_EQ(Messages(), shown);
  EXPECT_EQ(Status(), "");  // the status bar belongs to the cart
}

// A line longer than the engine's scratch text is written whole.
TEST_F(ExportWindow, ALongLineIsWrittenWhole) {
  const std::string remarks(250, 'x');
  WriteDatabase(1, 1, [&](int, std::vector<std::string>& values) { values[kRemarks] = remarks; },
                250);
  ShowList();
  log.Answer(AnsiString(Path("lang.csv")));
  form.btnCSVDateiClick(nullptr);
  const std::string lines = Read(Path("lang.csv"));
  EXPECT_EQ(lines.substr(lines.find('\n') + 1), GeneralLine(0, "Reichelt", remarks));
}

TEST_F(ExportWindow, AGeneralFileThatCannotBeWrittenIsNeverReportedSaved) {
  WriteDatabase(30, 10);
  ShowList();
  log.Answer(AnsiString(Path("fehlt/alle.csv")));
  form.btnCSVDateiClick(nullptr);
  std::filesystem::create_symlink("/dev/full", Path("voll.csv"));
  log.Answer(AnsiString(Path("voll.csv")));
  form.btnCSVDateiClick(nullptr);
  EXPECT_EQ(Messages(), std::vector<AnsiString>(2, "Fehler beim speichern"));
  // Cancelled: nothing.
  log.texts.clear();
  log.Answer(mrCancel);
  form.btnCSVDateiClick(nullptr);
  EXPECT_TRUE(Messages().empty());
}

TEST(CsvLine, WritesTheScratchTextAndLineFeed) {
  TempFolder dir;
  const std::string path = dir / "zeile.csv";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::strcpy(dbase_text, "B-1;2");
  EXPECT_EQ(csv_zeileschreiben(file), 0);
  EXPECT_EQ(csv_zeileschreiben(file, ";x;"), 0);
  std::fclose(file);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "B-1;2\n;x;\n");

  FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  std::setvbuf(full, nullptr, _IONBF, 0);
  EXPECT_EQ(csv_zeileschreiben(full), -1);
  std::fclose(full);
}

TEST_F(ExportWindow, Picture) {
  form.Show();
  form.StatusBar1->SetSimpleText("Daten o.k.");
  QImage image = RenderWindow(&form, "export.png");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(form.GetCaption(), "Warenkorb exportieren");
  for (TControl* text : {static_cast<TControl*>(form.Memo1), static_cast<TControl*>(form.Label1),
                         static_cast<TControl*>(form.Label3), static_cast<TControl*>(form.Label4),
                         static_cast<TControl*>(form.edtAnzahlProDatei),
                         static_cast<TControl*>(form.Button1), static_cast<TControl*>(form.Label2),
                         static_cast<TControl*>(form.btnCSVDatei),
                         static_cast<TControl*>(form.StatusBar1)})
    EXPECT_TRUE(HasInk(image, AreaInForm(text)));
  // Each text keeps clear of the control it leads to.
  EXPECT_LE(form.Label3->GetLeft() + form.Label3->GetWidth(), form.edtAnzahlProDatei->GetLeft());
  EXPECT_LE(form.GroupBox2->GetTop() + form.GroupBox2->GetHeight(), form.StatusBar1->GetTop());
  form.Close();
}

}  // namespace
