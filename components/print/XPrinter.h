// TXPrint: draws on the printer in physical units instead of device dots. From four margins
// and a unit it sets up a scaled mapping of the printer's canvas, so that logical (0, 0) is
// the inner corner of the margins; it scales font sizes to that mapping, draws rotated text
// through a rotated font, passes page and job control through to the printer, and keeps its
// whole configuration as one line of text. Without printers it draws on a canvas of its own
// and every printer query answers a neutral value.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/component.h"
#include "platform/core/strings.h"
#include "platform/graphics/canvas.h"

// Units per inch: 1 (device dots, no mapping), 1000, 254, 2540.
enum TScaling { pscDot, pscMil, pscMetric10, pscMetric100 };
enum TXPrinterOrientation { xpoPortrait, xpoLandscape };
enum TXPrinterCapability { xpcCopies, xpcOrientation, xpcCollation };
using TXPrinterCapabilities = Set<TXPrinterCapability>;

// The whole configuration as one record; its text form is ConfigToStr's.
struct TXPrintConfig {
  bool Valid = false;
  int PrinterIndex = 0;
  TScaling Scaling = pscDot;
  int MarginLeft = 0;
  int MarginTop = 0;
  int MarginRight = 0;
  int MarginBottom = 0;
  TFontCharset FontCharset = 0;
  TColor FontColor = 0;
  int FontHeight = 0;
  AnsiString FontName;  // at most 32 characters
  TFontPitch FontPitch = fpDefault;
  int FontSize = 0;
  TFontStyles FontStyle;
  int Copies = 1;
  TXPrinterOrientation Orientation = xpoPortrait;
  int Angle10 = 0;
  bool RotationActive = false;
  AnsiString Title;  // at most 63 characters

  bool operator==(const TXPrintConfig&) const = default;
};

class TXPrint : public TComponent {
 public:
  explicit TXPrint(TComponent* AOwner);
  ~TXPrint() override;

  // Margins in the current units from the paper's edge.
  int MarginLeft = 0;
  int MarginTop = 0;
  int MarginRight = 0;
  int MarginBottom = 0;
  // The printable width and height inside the margins in units; set when a job starts and
  // on each new page.
  int PrintWidth = 0;
  int PrintHeight = 0;
  // The printer's canvas, or the component's own when no printer is installed.
  TCanvas* Canvas = nullptr;

  TScaling GetScaling() const { return scaling_; }
  void SetScaling(TScaling scaling);  // ignored while printing; margins keep their size

  // Jobs and pages; EndDoc and Abort act only on a job this component began.
  void BeginDoc();
  void EndDoc();
  void Abort();
  void NewPage();

  // Sizes in points scaled to the mapping while a job runs.
  void SetFontSize(int points);
  void SelectFont(const TFont* font);
  TFont* GetFont() { return Canvas->Font; }
  void SetFont(const TFont* font);

  // Units to dots and back; with pscDot the value itself.
  int DotValX(int value) const;
  int DotValY(int value) const;
  int ScaleValX(int value) const;
  int ScaleValY(int value) const;
  // The unprintable edges of the paper in units.
  int GetMinMarginLeft() const;
  int GetMinMarginRight() const;
  int GetMinMarginTop() const;
  int GetMinMarginBottom() const;
  static TRect XBounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }

  // Rotated text: Angle10 in tenths of a degree, kept in -3599..3599.
  int GetAngle10() const { return angle10_; }
  void SetAngle10(int angle);
  void SetTextRotation(bool on);
  void SetAngleText();
  void UnsetAngleText();

  // Pass-through to the printer, with neutral answers when there is none.
  bool GetPrinterAvailable() const { return printerCount_ > 0; }
  bool GetPrinting() const;
  bool GetAborted() const;
  int GetCopies() const;
  void SetCopies(int copies);
  AnsiString GetTitle() const;
  void SetTitle(const AnsiString& title);
  TXPrinterOrientation GetOrientation() const;
  void SetOrientation(TXPrinterOrientation orientation);
  int GetCurrentPrinter() const;
  void SetCurrentPrinter(int index);  // ignored while the printer prints
  TStrings* GetFonts() const;
  HDC GetHandle() const;
  int GetPageNumber() const;
  TStrings* GetPrinters() const;
  TXPrinterCapabilities GetPrinterCapabilities() const;
  int GetColorDepth() const;
  bool GetCanUserDefFill() const;

  // The number of installed printers as the spooler lists them; 0 on any failure.
  static int PrintersInstalled();
  // Reads the printer's device parameters again (after a printer dialog).
  void SyncIndex();

  // The configuration as a record and as its 174-character text.
  TXPrintConfig GetConfig() const;
  void SetConfig(const TXPrintConfig& config);  // only a valid record, only between jobs
  static AnsiString ConfigToStr(const TXPrintConfig& config);  // empty when it does not fit
  TXPrintConfig StrToConfig(const AnsiString& text) const;

 private:
  struct DeviceParameters {
    int logPixelsX = 300;
    int logPixelsY = 300;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int horzRes = 0;
    int vertRes = 0;
    int offsetX = 0;
    int offsetY = 0;
  };

  void ReadDeviceParameters();
  void SetupPrinter();
  void CloseJob();
  void ApplyRotation();  // selects the rotated font anew where the page dropped it

  TScaling scaling_ = pscDot;
  int16_t printerCount_ = 0;
  bool rotationActive_ = false;
  int angle10_ = 0;
  DeviceParameters device_;
  int unitsPerInch_ = 1;
  std::unique_ptr<TFont> savedFont_;
  int fontSize_ = 0;
  bool printing_ = false;
  std::unique_ptr<TCanvas> ownCanvas_;
  HFONT previousFont_ = nullptr;
  HFONT rotatedFont_ = nullptr;
};
