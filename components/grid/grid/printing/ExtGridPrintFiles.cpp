// TExtStringGrid: the print settings and the column widths kept between runs, in a settings
// file or the registry stand-in.
#include <memory>

#include "components/grid/grid/ExtGrid.h"
#include "platform/core/inifile.h"
#include "platform/core/registry.h"

namespace {

// Where the column widths are kept; none where the grid keeps none (no key or section, or
// at design time).
std::unique_ptr<TCustomIniFile> ColumnSizeStore(const TColumnSize& Size, bool designing) {
  if (Size.Key.empty() || Size.Section.empty() || designing) return nullptr;
  if (Size.Location == clIniFile) return std::make_unique<TIniFile>(Size.Key);
  return std::make_unique<TRegistryIniFile>(Size.Key);
}

AnsiString ColumnSizeKey(int column) { return "Col" + IntToStr(column); }

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
  const auto store = ColumnSizeStore(ColumnSize, GetComponentState().Contains(csDesigning));
  if (!store) return;
  for (int i = 0; i < GetColCount(); ++i)
    store->WriteInteger(ColumnSize.Section, ColumnSizeKey(i), ColWidths(i));
}

// A width below 0 is no width and is passed over.
void TExtStringGrid::LoadColSizes() {
  const auto store = ColumnSizeStore(ColumnSize, GetComponentState().Contains(csDesigning));
  if (!store) return;
  for (int i = 0; i < GetColCount(); ++i) {
    const int width =
        store->ReadInteger(ColumnSize.Section, ColumnSizeKey(i), GetDefaultColWidth());
    if (width >= 0 && width != ColWidths(i)) SetColWidths(i, width);
  }
}
