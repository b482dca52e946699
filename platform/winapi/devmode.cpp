#include "platform/winapi/devmode.h"

#include <algorithm>
#include <cstring>

const TPaperInfo* FindPaper(const TPrintDeviceInfo& info, int number, const AnsiString& name) {
  const TPaperInfo* found = nullptr;
  for (const TPaperInfo& paper : info.Papers)
    if (paper.Number == number) {
      if (paper.Name == name) return &paper;
      if (!found) found = &paper;
    }
  return found;
}

TPrintSetup WithOwnDefaults(const TPrintDeviceInfo& info, TPrintSetup setup) {
  if (setup.Paper.cx <= 0 || setup.Paper.cy <= 0) {
    const TPaperInfo* paper = FindPaper(info, setup.PaperNumber, setup.PaperName);
    if (!paper) paper = FindPaper(info, info.DefaultPaper, info.DefaultPaperName);
    if (paper) {
      setup.PaperNumber = paper->Number;
      setup.PaperName = paper->Name;
      setup.Paper = paper->Size;
    }
  }
  if (setup.Tray == 0) setup.Tray = info.DefaultTray;
  TSize own = info.DefaultResolution;
  if (own.cx <= 0 && !info.Resolutions.empty()) own = info.Resolutions.front();
  if (setup.Resolution <= 0 && own.cx > 0) {
    setup.Resolution = own.cx;
    setup.ResolutionY = own.cy == own.cx ? 0 : own.cy;
  }
  return setup;
}

TPrintSetup OwnSetup(const TPrintDeviceInfo& info) {
  TPrintSetup setup;
  setup.Duplex = info.DefaultDuplex;
  setup.Color = info.DefaultColor;
  return setup;
}

namespace {

void CopyName(char (&field)[32], const AnsiString& name) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, name.data(), std::min(name.size(), sizeof field - 1));
}

// The setup's paper as the printer lists it: by number, else by size, else its default.
TPaperInfo PaperOf(const TPrintDeviceInfo& info, const TPrintSetup& setup) {
  if (const TPaperInfo* paper = FindPaper(info, setup.PaperNumber, setup.PaperName)) return *paper;
  bool sized = setup.Paper.cx > 0 && setup.Paper.cy > 0;
  for (const TPaperInfo& paper : info.Papers)
    if (sized && paper.Size == setup.Paper) return paper;
  if (sized) return {DMPAPER_USER, "", setup.Paper};
  if (const TPaperInfo* paper = FindPaper(info, info.DefaultPaper, info.DefaultPaperName))
    return *paper;
  return {};
}

AnsiString FormName(const DEVMODEA& mode) {
  const char* name = mode.dmFormName;
  return AnsiString(name, strnlen(name, sizeof mode.dmFormName));
}

int16_t Short(int value) { return static_cast<int16_t>(std::clamp(value, -32768, 32767)); }

}  // namespace

DEVMODEA DevModeOf(const TPrintDevice& device, const TPrintSetup& setup) {
  const TPrintDeviceInfo& info = device.Info();
  DEVMODEA mode{};
  CopyName(mode.dmDeviceName, device.Name());
  mode.dmSpecVersion = 0x401;
  mode.dmSize = sizeof(DEVMODEA);
  mode.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_COPIES |
                  DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX | DM_YRESOLUTION |
                  DM_COLLATE | DM_FORMNAME;
  mode.dmOrientation = setup.Orientation == poLandscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  TPaperInfo paper = PaperOf(info, setup);
  mode.dmPaperSize = Short(paper.Number);
  mode.dmPaperWidth = Short(paper.Size.cx);
  mode.dmPaperLength = Short(paper.Size.cy);
  CopyName(mode.dmFormName, paper.Name);
  mode.dmScale = 100;
  mode.dmCopies = Short(setup.Copies);
  mode.dmCollate = setup.Collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
  mode.dmColor = setup.Color && info.Color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
  mode.dmDuplex = Short(DMDUP_SIMPLEX + static_cast<int>(setup.Duplex));
  int tray = setup.Tray != 0        ? setup.Tray
             : info.DefaultTray != 0 ? info.DefaultTray
             : info.Trays.empty()    ? DMBIN_FORMSOURCE
                                     : info.Trays.front().Number;
  mode.dmDefaultSource = Short(tray);
  TDeviceCaps caps = device.Caps(setup);
  int x = setup.Resolution > 0 ? setup.Resolution : caps.dpiX;
  int y = setup.ResolutionY > 0 ? setup.ResolutionY : setup.Resolution > 0 ? x : caps.dpiY;
  mode.dmPrintQuality = Short(x);
  mode.dmYResolution = Short(y);
  return mode;
}

// Only members that differ from the device mode of the setup as it is count: a program hands
// back the whole record when it changes one member, and the printer's own paper, tray and
// resolution must stay its own (0), so that a job asks for nothing the user did not change.
void ApplyDevMode(const TPrintDevice& device, const void* bytes, std::size_t size,
                  TPrintSetup& setup) {
  DEVMODEA mode{};
  std::memcpy(&mode, bytes, std::min(size, sizeof mode));
  size = std::min<std::size_t>(size, mode.dmSize);
  const DEVMODEA now = DevModeOf(device, setup);
  // A member counts when it is flagged, lies wholly within the record given and changes.
  auto has = [&](uint32_t field, std::size_t end) { return (mode.dmFields & field) && end <= size; };
  auto changed = [&](uint32_t field, std::size_t end, auto member) {
    return has(field, end) && mode.*member != now.*member;
  };
  const TPrintDeviceInfo& info = device.Info();
  if (changed(DM_ORIENTATION, 46, &DEVMODEA::dmOrientation) &&
      (mode.dmOrientation == DMORIENT_PORTRAIT || mode.dmOrientation == DMORIENT_LANDSCAPE))
    setup.Orientation = mode.dmOrientation == DMORIENT_LANDSCAPE ? poLandscape : poPortrait;
  // The form's name tells apart the papers that share a number.
  AnsiString form = has(DM_FORMNAME, 102) ? FormName(mode) : FormName(now);
  bool paperChanged = changed(DM_PAPERSIZE, 48, &DEVMODEA::dmPaperSize) || form != FormName(now);
  const TPaperInfo* listed =
      has(DM_PAPERSIZE, 48) ? FindPaper(info, mode.dmPaperSize, form) : nullptr;
  if (listed && paperChanged) {
    setup.PaperNumber = listed->Number;
    setup.PaperName = listed->Name;
    setup.Paper = listed->Size;
  } else if (!listed &&
             (changed(DM_PAPERLENGTH, 50, &DEVMODEA::dmPaperLength) ||
              changed(DM_PAPERWIDTH, 52, &DEVMODEA::dmPaperWidth)) &&
             mode.dmPaperWidth > 0 && mode.dmPaperLength > 0) {
    setup.PaperNumber = 0;
    setup.PaperName.clear();
    setup.Paper = {mode.dmPaperWidth, mode.dmPaperLength};
  }
  if (changed(DM_COPIES, 56, &DEVMODEA::dmCopies) && mode.dmCopies >= 1)
    setup.Copies = mode.dmCopies;
  if (changed(DM_DEFAULTSOURCE, 58, &DEVMODEA::dmDefaultSource)) setup.Tray = mode.dmDefaultSource;
  // The two resolutions go together: one that changes takes the other with it.
  bool resolution = changed(DM_PRINTQUALITY, 60, &DEVMODEA::dmPrintQuality) ||
                    changed(DM_YRESOLUTION, 66, &DEVMODEA::dmYResolution);
  if (resolution && has(DM_PRINTQUALITY, 60) && mode.dmPrintQuality > 0)
    setup.Resolution = mode.dmPrintQuality;
  if (resolution && has(DM_YRESOLUTION, 66) && mode.dmYResolution > 0)
    setup.ResolutionY = mode.dmYResolution;
  if (changed(DM_COLOR, 62, &DEVMODEA::dmColor)) setup.Color = mode.dmColor == DMCOLOR_COLOR;
  if (changed(DM_DUPLEX, 64, &DEVMODEA::dmDuplex) && mode.dmDuplex >= DMDUP_SIMPLEX &&
      mode.dmDuplex <= DMDUP_HORIZONTAL)
    setup.Duplex = static_cast<TPrintDuplex>(mode.dmDuplex - DMDUP_SIMPLEX);
  if (changed(DM_COLLATE, 70, &DEVMODEA::dmCollate))
    setup.Collate = mode.dmCollate == DMCOLLATE_TRUE;
}
