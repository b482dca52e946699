// A printer that writes its pages into a PDF file, at a chosen resolution on a chosen paper
// with unprintable edges of its own: tests and machines without printers print for real.
#pragma once

#include "platform/winapi/print_device.h"

class TVirtualPrinter : public TPrintDevice {
 public:
  // The paper in tenths of a millimetre (portrait); the unprintable edge on the left and
  // right (edge.cx) and at the top and bottom (edge.cy) in dots of the resolution. A PDF
  // page keeps both in whole points (1/72 inch): GetDeviceCaps tells the dots they give.
  TVirtualPrinter(AnsiString name, int dpi, TSize paper = {2100, 2970}, TSize edge = {0, 0});

  // Where the next job writes, as the file system names it. Empty: the job's title with
  // ".pdf" in the user's documents folder (the home folder when there is none).
  AnsiString FileName;
  // The file the last job started on wrote to; and the same as the program's text, to tell
  // the user.
  AnsiString LastFileName() const { return lastFile_; }
  AnsiString LastFileText() const;

  // What it can do: the common papers and its own, one automatic tray, its resolution, one
  // copy a job, colour. Tests give it other abilities; copies and collation follow MaxCopies.
  void SetInfo(const TPrintDeviceInfo& info) { info_ = info; }

  AnsiString Name() const override { return name_; }
  // The program's file printer takes another name where a queue has its own.
  void SetName(const AnsiString& name) { name_ = name; }
  TPrinterCapabilities Capabilities() const override;
  const TPrintDeviceInfo& Info() const override { return info_; }
  TDeviceCaps Caps(const TPrintSetup& setup) const override;
  std::unique_ptr<TPrintJob> Start(TCanvas& canvas, const TPrintSetup& setup) override;
  AnsiString Failed(const AnsiString& reason) const override;
  // The file a job of that title writes: FileName, else the title, made a file name, with
  // ".pdf" in the user's documents folder (the home folder when there is none).
  AnsiString OutputFor(const AnsiString& title) const;

 private:
  AnsiString name_;
  int dpi_;
  TSize paper_;
  TSize edge_;
  AnsiString lastFile_;
  int lastError_ = 0;  // the errno of the last job's file, 0 when none was given
  TPrintDeviceInfo info_;
};
