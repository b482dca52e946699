// The bundled tables as other dBase readers see them: Python's dbfread with its default
// encoding, and LibreOffice where it is installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dbase.h"
#include "message_log.h"
#include "temp_folder.h"
#include "tools/sample/PartsList.h"
#include "tools/sample/SampleDatabase.h"

namespace {

// What a command prints on its standard output.
std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, got);
  pclose(pipe);
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Debian's python3-dbfread lives beside the system's Python, whatever python3 the path finds.
constexpr const char* kPython = "/usr/bin/python3";

bool HasDbfread() {
  return Output(std::string(kPython) + " -c 'import dbfread; print(1)' 2>/dev/null") == "1\n";
}

// LibreOffice reads dBase files only through the driver of its base drivers package, which
// lies beside the program.
bool HasLibreOfficeDbase() {
  return Output(
             "d=$(dirname \"$(readlink -f \"$(command -v soffice)\")\") && "
             "test -e \"$d/libdbaselo.so\" && echo 1") == "1\n";
}

class OtherReaders : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = std::make_unique<TempFolder>();
    MessageLog log;
    dbase_initialisieren();
    ASSERT_TRUE(WriteSampleDatabase(folder->Path()));
    dbase_finalisieren();
  }
  static void TearDownTestSuite() { folder.reset(); }

  // The encoding dbfread chose, then one field of every record, in UTF-8; strict decoding
  // fails on any byte the chosen encoding does not know.
  static std::vector<std::string> Dbfread(const char* table, const char* field) {
    const std::string script =
        "import sys, dbfread\n"
        "t = dbfread.DBF(sys.argv[1])\n"
        "print(t.encoding)\n"
        "for r in t: print(r[sys.argv[2]])\n";
    return Lines(Output("PYTHONIOENCODING=utf-8 " + std::string(kPython) + " -c '" + script +
                        "' '" + (*folder / table) + "' " + field + " 2>&1"));
  }

  inline static std::unique_ptr<TempFolder> folder;
};

TEST_F(OtherReaders, DbfreadShowsTheUmlautsWithItsDefaultEncoding) {
  if (!HasDbfread())
    GTEST_SKIP() << "dbfread is missing: install the Debian package python3-dbfread";
  std::vector<std::string> designations = {"cp1252"};
  for (const Part& part : PartsList()) designations.push_back(part.designation);
  const struct {
    const char* table;
    const char* field;
    std::vector<std::string> expected;
  } cases[] = {
      {kPartsTable, "BEZEICHNUN", designations},
      {kSuppliersTable,
       "LIEFERANT",
       {"cp1252", "Reichelt", "Röhren-Brandt", "Vandrix-Projekt", "Elektronik-Lager Weber"}},
      {kSuppliersTable, "ORT", {"cp1252", "Sande", "Hamburg", "Sammelbestellung", "Köln"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Dbfread(c.table, c.field), c.expected) << c.table;
}

// LibreOffice converts the parts table to UTF-8 CSV through its dBase filter set to
// Windows-1252 (character set 1).
TEST_F(OtherReaders, LibreOfficeShowsTheUmlauts) {
  if (!HasLibreOfficeDbase())
    GTEST_SKIP() << "LibreOffice or its dBase driver is missing: install the Debian packages "
                    "libreoffice-calc and libreoffice-base-drivers";
  TempFolder out;
  const std::string profile = "-env:UserInstallation=file://" + (out / "profile");
  Output("soffice --headless --norestore " + profile +
         " --infilter=dBase:1 --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir '" +
         out.Path() + "' '" + (*folder / kPartsTable) + "' >/dev/null 2>&1");
  std::ifstream csv(out / "Kalvento.csv");
  std::stringstream text;
  text << csv.rdbuf();
  EXPECT_NE(text.str().find("Röhre ECC83"), std::string::npos);
  EXPECT_NE(text.str().find("Röhren-Brandt"), std::string::npos);
}

}  // namespace
