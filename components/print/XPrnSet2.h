// TXPrintSet: knows the installed printers and the settings of the current one. It keeps the
// printers' names, what the current printer can do (papers, trays, resolutions, copies, duplex,
// colour), the printer's settings as a device mode, and a second settings object of requested
// values that it applies with fallbacks. It runs the print and printer-setup dialogs, chooses
// printers by index or name, stores the current settings in a file of its own and reports
// through four events and result codes, never through messages.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "components/print/XPrinter.h"
#include "platform/controls/print_dialogs.h"
#include "platform/core/component.h"
#include "platform/core/notify_event.h"
#include "platform/core/persistent.h"
#include "platform/core/strings.h"
#include "platform/winapi/devmode.h"

enum TDuplexMode { DuplexOff, DuplexVertical, DuplexHorizontal };
enum TSetFailure { sfCopies, sfColor, sfDuplex, sfPaper, sfTray, sfResolution };
using TSetFailures = Set<TSetFailure>;

class TXPrintSet;
class TCapabilities;

// The entries of a capability list in the order they were added; positions outside the list
// read as nothing.
template <typename Entry>
class TEntryList {
 public:
  void Clear() { entries_.clear(); }
  int GetCount() const { return static_cast<int>(entries_.size()); }

 protected:
  void Append(Entry entry) { entries_.push_back(std::move(entry)); }
  const Entry* At(int i) const { return i >= 0 && i < GetCount() ? &entries_[i] : nullptr; }
  template <typename Match>
  int IndexWhere(Match match) const {
    for (int i = 0; i < GetCount(); ++i)
      if (match(entries_[i])) return i;
    return -1;
  }
  std::vector<Entry> entries_;
};

struct TPaperEntry {
  int Number = 0;  // DMPAPER_...
  AnsiString Name;
  int Width = 0;   // tenths of a millimetre
  int Length = 0;
};

class TPrinterPaper : public TEntryList<TPaperEntry> {
 public:
  void Add(int Number, const AnsiString& Name, int Width, int Length);
  int GetIndex(int Number) const;  // the first entry with that number; -1 when none
  int GetNumber(int i) const;
  AnsiString GetName(int i) const;
  int GetWidth(int i) const;
  int GetLength(int i) const;
  // One line per paper: its name, with sizes name + " (" + width + "x" + length + "mm²)" in
  // millimetres as FloatToStr writes them.
  void GetNameList(TStrings* List, bool WithSizes) const;
  // The position of the paper nearest in size (the sum of both differences; the first of
  // equals); 0 for an empty list.
  int BestFitPaper(int Width, int Length) const;
};

struct TTrayEntry {
  int Number = 0;  // DMBIN_...
  AnsiString Name;
};

class TPrinterTray : public TEntryList<TTrayEntry> {
 public:
  void Add(int Number, const AnsiString& Name);
  int GetIndex(int Number) const;
  int GetNumber(int i) const;
  AnsiString GetName(int i) const;
  void GetNameList(TStrings* List) const;
};

class TPrinterResolution : public TEntryList<TSize> {
 public:
  void Add(int HRes, int VRes);
  int GetHRes(int i) const;
  int GetVRes(int i) const;
  int GetMatchIndex(int HRes, int VRes) const;  // -1 when no entry has both
  static AnsiString NameOf(int HRes, int VRes);  // "600x600dpi²"
  void GetNameList(TStrings* List) const;
};

class TCurrentSettings;

// What the current printer can do, read from its driver by Update.
class TCapabilities : public TPersistent {
 public:
  explicit TCapabilities(TXPrintSet* AOwner) : owner_(AOwner) {}

  // Reads everything again for the printer of the current settings (only with printers).
  void Update(const TCurrentSettings* Settings);

  int GetMaxCopies() const { return maxCopies_; }  // at least 1
  bool GetDuplexPossible() const { return duplex_; }
  TPoint GetMaxExtent() const { return maxExtent_; }  // tenths of a millimetre
  TPoint GetMinExtent() const { return minExtent_; }
  int GetColorDepth() const { return colorDepth_; }  // bits a pixel
  TPrinterPaper* GetPapers() { return &papers_; }
  TPrinterTray* GetTrays() { return &trays_; }
  TPrinterResolution* GetResolutions() { return &resolutions_; }
  const TPrinterPaper* GetPapers() const { return &papers_; }
  const TPrinterTray* GetTrays() const { return &trays_; }
  const TPrinterResolution* GetResolutions() const { return &resolutions_; }

 private:
  void UpdateLimits(const AnsiString& device);
  void UpdatePapers(const AnsiString& device);
  void UpdateTrays(const AnsiString& device);
  void UpdateResolutions(const AnsiString& device, const TCurrentSettings* settings);

  TXPrintSet* owner_;
  int maxCopies_ = 1;
  bool duplex_ = false;
  TPoint maxExtent_;
  TPoint minExtent_;
  int colorDepth_ = 1;
  TPrinterPaper papers_;
  TPrinterTray trays_;
  TPrinterResolution resolutions_;
};

// A printer's settings as the settings file keeps them: the printer's name as a length byte
// and up to 127 characters, then its device mode with room for the driver's private data.
#pragma pack(push, 1)
struct TPrinterSettings {
  uint8_t PrinterName[128];
  DEVMODEA DevMode;
  uint8_t DriverData[8182];
};
#pragma pack(pop)
static_assert(sizeof(TPrinterSettings) == 128 + 8338);

// The room for a device mode and its private data in a settings record.
constexpr int kDevModeRoom = 8338;
AnsiString PrinterNameOf(const TPrinterSettings& settings);
// dmSize + dmDriverExtra: the bytes of the device mode with its private data.
int DevModeSizeOf(const TPrinterSettings& settings);
// The device mode and the private data behind it as one run of bytes.
inline uint8_t* DevModeBytesOf(TPrinterSettings& settings) {
  return reinterpret_cast<uint8_t*>(&settings) + sizeof settings.PrinterName;
}
inline const uint8_t* DevModeBytesOf(const TPrinterSettings& settings) {
  return reinterpret_cast<const uint8_t*>(&settings) + sizeof settings.PrinterName;
}

// One set of a printer's settings. Without printers the getters give the neutral values
// (portrait, 1 copy, no collation or colour, DuplexOff, paper 9, tray 15, index 0, "") and
// nothing is set.
class TSettings : public TPersistent {
 public:
  TSettings(TXPrintSet* AOwner, TCapabilities* ACapabilities, bool ApplyImmediately);

  const TPrinterSettings& GetRecord() const { return *settings_; }
  void SetRecord(const TPrinterSettings& settings) { *settings_ = settings; }

  void InitPrinterSettings();  // empty name, device mode and private data zeroed
  // The printer's own device mode (from its driver) and the current printer's name.
  bool GetPrinterSettings();
  // The device mode the printer object holds now.
  bool GetPrinterSettings2();
  // Hands the device mode to the printer object; OnErrorWriteSettings when it is refused.
  virtual bool SetPrinterSettings();
  // The same with the driver's private data.
  bool SetPrinterSettingsExtra();
  // Makes the record's printer current and hands it the record; false when no printer has its
  // name or the record does not fit. OnPrinterChanged when the printer changed.
  bool ChooseAndSet(const TPrinterSettings& Settings);

  TPrinterOrientation GetOrientation() const;
  void SetOrientation(TPrinterOrientation Value);
  int GetCopies() const;
  void SetCopies(int Value);  // 1 to the maximum, else ignored
  bool GetCollate() const;
  void SetCollate(bool Value);
  bool GetColor() const;
  void SetColor(bool Value);  // off on printers of less than 2 bits a pixel
  TDuplexMode GetDuplex() const;
  void SetDuplex(TDuplexMode Value);  // off on printers without duplex
  int GetPaper() const;
  void SetPaper(int Value);  // only papers of the list
  int GetPaperIndex() const;
  void SetPaperIndex(int Value);
  virtual AnsiString GetPaperName() const;
  virtual int GetPaperWidth() const;
  virtual int GetPaperLength() const;
  int GetTray() const;
  void SetTray(int Value);  // only trays of the list
  int GetTrayIndex() const;
  void SetTrayIndex(int Value);
  AnsiString GetTrayName() const;
  int GetResolutionIndex() const;
  void SetResolutionIndex(int Value);
  AnsiString GetResolutionName() const;

 protected:
  enum class Adoption { Set, UnknownPrinter, Refused };
  // ChooseAndSet's work, telling why it failed.
  Adoption Adopt(const TPrinterSettings& settings);
  bool Printers() const;
  DEVMODEA& Mode() { return settings_->DevMode; }
  const DEVMODEA& Mode() const { return settings_->DevMode; }
  // Marks the member set and hands the settings on where they apply at once.
  void Changed(uint32_t field);

  TXPrintSet* owner_;
  TCapabilities* capabilities_;

 private:
  bool WriteToPrinter(int bytes);
  void TakeName();

  const bool applyImmediately_;
  std::unique_ptr<TPrinterSettings> settings_;
};

// The settings the printer holds.
class TCurrentSettings : public TSettings {
 public:
  TCurrentSettings(TXPrintSet* AOwner, TCapabilities* ACapabilities)
      : TSettings(AOwner, ACapabilities, true) {}

  int GetDevModeSize() const;  // 0 without printers
  // 0 saved, 1 empty file name, 2 no printer, 3 write error.
  int SaveToFile(const AnsiString& FileName) const;
  // 0 loaded and applied, 1 empty file name, 2 no printer, 4 cannot open, 5 read error or
  // short file or sizes beyond the record, 6 header, format or name length wrong, 7 printer of
  // the file not installed, 8 printer refused the settings.
  int LoadFromFile(const AnsiString& FileName);
};

// Requested values, applied with fallbacks by SetPrinterSettings; Failures lists what the
// printer could not take. The paper's name and size come from the paper table.
class TNewSettings : public TSettings {
 public:
  TNewSettings(TXPrintSet* AOwner, TCapabilities* ACapabilities)
      : TSettings(AOwner, ACapabilities, false) {}

  TPrinterOrientation Orientation = poPortrait;
  int Copies = 1;
  bool Collate = true;
  bool Color = false;
  TDuplexMode Duplex = DuplexOff;
  int Paper = 9;
  int Tray = 15;
  int ResolutionIndex = 0;
  TSetFailures Failures;

  bool SetPrinterSettings() override;
  AnsiString GetPaperName() const override;
  int GetPaperWidth() const override;
  int GetPaperLength() const override;
  AnsiString GetPaperNameEx() const;  // name + " " + size text
  void GetPaperList(TStrings* List, bool WithSizes) const;
};

// The paper table by DMPAPER number (1-41): name, size text, width and length in tenths of a
// millimetre. Null outside the table.
struct TPaperTableEntry {
  const char* Name;
  const char* SizeText;
  int Width;
  int Length;
};
const TPaperTableEntry* PaperTableEntry(int number);
constexpr int kPaperTableCount = 41;

class TXPrintSet : public TComponent {
 public:
  explicit TXPrintSet(TComponent* AOwner);
  ~TXPrintSet() override;

  // False without the dialog, without printers or when cancelled; afterwards the settings and
  // capabilities are read again and OnPrinterChanged tells of another printer.
  virtual bool ExecPrintDialog();
  virtual bool ExecPrinterSetupDialog();

  void LoadNames();
  TStrings* GetPrinterNames() const { return names_.get(); }
  bool GetPrintersAvailable() const { return available_; }
  bool GetIsNT() const { return isNT_; }
  int GetCurrentPrinter() const;  // the printer object's index; -1 without printers
  void SetCurrentPrinter(int Index);
  // Exact, case-sensitive; -1 when none, for an empty name and without printers.
  int PrinterIndexByName(const AnsiString& Name) const;

  // Printers whose driver is not asked for its colour depth and whose own device mode stands
  // in for a missing resolution list.
  bool GetCriticalPrinter() const;  // the current printer's flag; false when there is none
  void SetCriticalPrinter(int Index, bool Flag);
  bool IsCriticalPrinter(int Index) const;

  TXPrint* GetXPrint() const { return xprint_; }
  void SetXPrint(TXPrint* Value);
  TPrintDialog* GetPrintDialog() const { return printDialog_; }
  void SetPrintDialog(TPrintDialog* Value);
  TPrinterSetupDialog* GetPrinterSetupDialog() const { return setupDialog_; }
  void SetPrinterSetupDialog(TPrinterSetupDialog* Value);

  TCapabilities* GetCapabilities() const { return capabilities_.get(); }
  TCurrentSettings* GetCurrentSettings() const { return current_.get(); }
  TNewSettings* GetNewSettings() const { return new_.get(); }

  TNotifyEvent OnErrorReadSettings;
  TNotifyEvent OnErrorWriteSettings;
  TNotifyEvent OnNoPrinterAvailable;
  TNotifyEvent OnPrinterChanged;

  void Loaded() override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // Both dialogs' work: run, read everything again, tell of another printer.
  bool AfterDialog(bool executed, int previousIndex);
  void Link(TComponent* old, TComponent* next);
  void Fire(const TNotifyEvent& event, TObject* sender) const;
  friend class TSettings;

  bool isNT_ = false;
  TXPrint* xprint_ = nullptr;
  TPrintDialog* printDialog_ = nullptr;
  TPrinterSetupDialog* setupDialog_ = nullptr;
  bool available_ = false;
  std::unique_ptr<TStringList> names_;
  int currentIndex_ = -1;
  std::unique_ptr<TCapabilities> capabilities_;
  std::unique_ptr<TCurrentSettings> current_;
  std::unique_ptr<TNewSettings> new_;
  std::array<bool, 256> critical_{};
};
