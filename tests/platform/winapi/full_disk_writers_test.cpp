// The layer's writers on a full disk: each reports the failure as it reports any, and the file
// that was there stays as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "full_disk_writers.h"
#include "platform/core/files.h"
#include "platform/core/inifile.h"
#include "platform/core/registry.h"
#include "platform/core/strings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

std::unique_ptr<TBitmap> Bitmap() {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(40, 30);
  return bitmap;
}

// The configuration folder, where the registry keeps its file, moved for one write.
class ConfigIn {
 public:
  explicit ConfigIn(const std::string& folder) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old, had_ = true;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  ~ConfigIn() {
    if (had_) setenv("XDG_CONFIG_HOME", saved_.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
  }

 private:
  std::string saved_;
  bool had_ = false;
};

// A print job on a virtual printer writing the file: the job's end refuses it.
testing::AssertionResult PrintTo(const std::string& path) {
  auto printer = std::make_shared<TVirtualPrinter>("PDF", 300, TSize{2100, 2970});
  printer->FileName = path;
  SetInstalledPrinters({printer}, 0);
  Printer()->BeginDoc();
  Printer()->Canvas->TextOut(100, 100, "Seite 1");
  auto result = FULL_DISK_THROWS(Printer()->EndDoc(), EPrinter);
  SetInstalledPrinters({});
  return result;
}

TEST(FullDiskWriters, KeepTheLastGoodFile) {
  const std::string ini = "[Druck]\r\nRand=10\r\n[Spalten]\r\nCol0=64\r\n";
  ExpectFullDiskKeepsOldFiles({
      {"TStrings::SaveToFile", "liste.txt", "",
       [](const std::string& path) {
         TStringList lines;
         lines.Add("neu");
         return FULL_DISK_THROWS(lines.SaveToFile(path), EFCreateError);
       }},
      {"TMemoryStream::SaveToFile", "daten.bin", "",
       [](const std::string& path) {
         TMemoryStream stream;
         stream.WriteBuffer("neu", 3);
         return FULL_DISK_THROWS(stream.SaveToFile(path), EStreamError);
       }},
      {"TBitmap::SaveToFile", "bild.bmp", "",
       [](const std::string& path) { return FULL_DISK_THROWS(Bitmap()->SaveToFile(path), EStreamError); }},
      {"TPicture::SaveToFile", "bild2.bmp", "",
       [](const std::string& path) {
         TPicture picture;
         picture.SetGraphic(Bitmap().get());
         return FULL_DISK_THROWS(picture.SaveToFile(path), EStreamError);
       }},
      {"TIniFile::WriteString", "einstellungen.ini", ini,
       [](const std::string& path) {
         TIniFile file(path);
         return FULL_DISK_THROWS(file.WriteString("Druck", "Rand", "20"), EIniFileException);
       }},
      {"TIniFile::EraseSection", "einstellungen.ini", ini,
       [](const std::string& path) {
         TIniFile file(path);
         return FULL_DISK_THROWS(file.EraseSection("Spalten"), EIniFileException);
       }},
      {"TRegistry", "kalvento/registry.ini", "[HKEY_CURRENT_USER\\Software\\Alt]\r\n",
       [](const std::string& path) {
         ConfigIn config(std::filesystem::path(path).parent_path().parent_path());
         TRegistry registry;
         return testing::AssertionResult(!registry.OpenKey("\\Software\\Neu", true));
       },
       [](const std::string& folder) { std::filesystem::create_directory(folder + "/kalvento"); }},
      {"PDF print", "druck.pdf", "", PrintTo},
  });
}

}  // namespace
