// TPrintSettings: how a grid lays itself out on printed pages: what the header and footer
// contain and where, the fonts, the table lines, the margins and spacings in tenths of a
// millimetre, and how the columns are sized and fitted to the page.
#pragma once

#include <memory>

#include "platform/core/persistent.h"
#include "platform/core/strings.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/winapi/print_device.h"

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight,
                      ppBottomCenter };
enum TPrintBorders { pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround,
                     pbAroundVertical, pbAroundHorizontal, pbCustom };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrintMethod { prPreview, prPrint, prCalcPrint, prCalcPreview };

class TCustomIniFile;

class TPrintSettings : public TPersistent {
 public:
  TPrintSettings();
  ~TPrintSettings() override;
  TPrintSettings(const TPrintSettings&) = delete;
  TPrintSettings& operator=(const TPrintSettings&) = delete;

  TPrintPosition Time = ppNone;
  TPrintPosition Date = ppNone;
  TPrintPosition PageNr = ppNone;
  AnsiString PageNumSep = "/";
  AnsiString DateFormat = "dd/mm/yyyy";
  TPrintPosition Title = ppNone;
  // The fonts and the title lines are owned; setting copies the given one.
  TFont* GetFont() const { return font_.get(); }
  void SetFont(const TFont* Value) { font_->Assign(*Value); }
  TFont* GetHeaderFont() const { return headerFont_.get(); }
  void SetHeaderFont(const TFont* Value) { headerFont_->Assign(*Value); }
  TFont* GetFooterFont() const { return footerFont_.get(); }
  void SetFooterFont(const TFont* Value) { footerFont_->Assign(*Value); }
  TPrintBorders Borders = pbNoborder;
  TPenStyle BorderStyle = psSolid;
  AnsiString TitleText;
  TStringList* GetTitleLines() const { return titleLines_.get(); }
  void SetTitleLines(const TStrings* Value) { titleLines_->Assign(*Value); }
  bool Centered = false;
  bool RepeatFixedRows = false;
  bool RepeatFixedCols = false;
  int FooterSize = 0;
  int HeaderSize = 0;
  int LeftSize = 0;
  int RightSize = 0;
  int ColumnSpacing = 0;
  int RowSpacing = 0;
  int TitleSpacing = 0;
  TPrinterOrientation Orientation = poPortrait;
  AnsiString PagePrefix;
  AnsiString PageSuffix;
  int FixedHeight = 0;
  bool UseFixedHeight = false;
  int FixedWidth = 0;
  bool UseFixedWidth = false;
  TFitToPage FitToPage = fpNever;
  bool NoAutoSize = false;
  bool PrintGraphics = false;
  AnsiString JobName;
  bool NoAutoSizeRow = false;
  int PageNumberOffset = 0;
  int MaxPagesOffset = 0;

  // One section of a settings file; a missing key loads its default. The job name, the
  // graphics switch, the row sizing switch and the page offsets stay out of the file.
  void Save(TCustomIniFile& Ini, const AnsiString& Section) const;
  void Load(const TCustomIniFile& Ini, const AnsiString& Section);

 private:
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TFont> headerFont_;
  std::unique_ptr<TFont> footerFont_;
  std::unique_ptr<TStringList> titleLines_;
};
