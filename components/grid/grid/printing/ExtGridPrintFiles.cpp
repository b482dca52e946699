// TExtStringGrid: the print settings and the column widths kept between runs, in a settings
// file or the registry stand-in.
#include <memory>

#include "components/grid/grid/ExtGrid.h"
#include "platform/core/inifile.h"
#include "platform/core/registry.h"

namespace {

std::unique_ptr<TCustomIniFile> ColumnSizeStore(const TColumnSize& Size) {
  if (Size.Location == clIniFile) return std::make_unique<TIniFile>(Size.Key);
  return std::make_unique<TRegistryIniFile>(Size.Key);
}

}  // namespace

void TExtStringGrid::SavePrintSettings(const AnsiString& FileName, const AnsiString& Section) {
  TIniFile ini(FileName);
  PrintSettings.Save(ini, Section);
}

void TExtStringGrid::LoadPrintSettings(const AnsiString& FileName, const AnsiString& Section) {
  const TIniFile ini(FileName);
  PrintSettings.Load(ini, Section);
}

void TExtStringGrid::SaveColSizes() {
  if (ColumnSize.Key.empty() || ColumnSize.Section.empty() ||
      GetComponentState().Contains(csDesigning))
    return;
  const std::unique_ptr<TCustomIniFile> store = ColumnSizeStore(ColumnSize);
  for (int i = 0; i < GetColCount(); ++i)
    store->WriteInteger(ColumnSize.Section, "Col" + IntToStr(i), ColWidths(i));
}

// A width below 0 is no width and is passed over.
void TExtStringGrid::LoadColSizes() {
  if (ColumnSize.Key.empty() || ColumnSize.Section.empty() ||
      GetComponentState().Contains(csDesigning))
    return;
  const std::unique_ptr<TCustomIniFile> store = ColumnSizeStore(ColumnSize);
  for (int i = 0; i < GetColCount(); ++i) {
    const int width =
        store->ReadInteger(ColumnSize.Section, "Col" + IntToStr(i), GetDefaultColWidth());
    if (width >= 0 && width != ColWidths(i)) SetColWidths(i, width);
  }
}
