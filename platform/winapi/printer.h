// TPrinter: the program's printer. It chooses one of the installed printers (print_device.h),
// keeps the setup of the next job (orientation, copies, title) and runs jobs page by page on
// its Canvas. Outside a job the canvas draws nothing, but its handle answers GetDeviceCaps
// with the page the current setup gives, as a printer's information context does.
#pragma once

#include <memory>

#include "platform/core/exception.h"
#include "platform/core/global_memory.h"
#include "platform/core/strings.h"
#include "platform/winapi/print_device.h"

class EPrinter : public Exception {
 public:
  using Exception::Exception;
};

class TPrinter : public TObject {
 public:
  TPrinter();
  ~TPrinter() override;  // aborts a job still running
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  TCanvas* const Canvas;
  HDC GetHandle();

  // Jobs. BeginDoc and the setters raise EPrinter while a job runs, EndDoc, NewPage and Abort
  // when none does; BeginDoc also when there is no printer or it refuses the job.
  void BeginDoc();
  void EndDoc();
  void Abort();
  void NewPage();
  bool GetPrinting() const { return job_ != nullptr; }
  bool GetAborted() const { return aborted_; }
  int GetPageNumber() const { return pageNumber_; }
  AnsiString Title;
  AnsiString JobTitle() const;  // the title the next job gets: Title, else the program's name

  int GetCopies() const { return setup_.Copies; }
  void SetCopies(int copies);
  TPrinterOrientation GetOrientation() const { return setup_.Orientation; }
  void SetOrientation(TPrinterOrientation orientation);
  // The whole setup of the next job (its title is Title's at BeginDoc).
  const TPrintSetup& GetSetup() const { return setup_; }
  void SetSetup(const TPrintSetup& setup);
  // The printable page in device pixels.
  int GetPageWidth() { return GetHandle()->GetDeviceCaps().width; }
  int GetPageHeight() { return GetHandle()->GetDeviceCaps().height; }

  // The printer chosen: an index into Printers; -1 chooses the default printer. A new
  // printer starts with its own setup (portrait, one copy).
  int GetPrinterIndex();
  void SetPrinterIndex(int index);
  TStrings* GetPrinters();
  TStrings* GetFonts();
  TPrinterCapabilities GetCapabilities();
  TPrintDevice* GetDevice();  // null without printers
  // The printer and its setup as handles pass them: the name of the current printer (no
  // driver or port) and its device mode (devmode.h) of the current setup, in a block the
  // printer owns. Without printers the names are empty and the handle null.
  void GetPrinter(AnsiString& device, AnsiString& driver, AnsiString& port, HGLOBAL& deviceMode);
  // Chooses the printer of that name (a new one starts from its own setup) and takes into the
  // setup what the device mode sets; a block other than its own becomes its own. EPrinter for
  // a name no printer has and while a job runs.
  void SetPrinter(const AnsiString& device, const AnsiString& driver, const AnsiString& port,
                  HGLOBAL deviceMode);
  // Reads the installed printers again and chooses the default one; with keepChoice the
  // printer chosen stays chosen, with its setup, where it is still installed (the file printer
  // as itself, whatever it is named now), and the default one taken without a choice follows
  // the default.
  void Refresh(bool keepChoice = false);

 private:
  class InfoDevice;
  void CheckPrinting(bool printing) const;
  void List();  // reads the printers at the first need
  void Choose(int index);
  int DefaultIndex() const;
  void Rebind();
  void Finish(std::unique_ptr<TPrintJob> job);

  std::unique_ptr<TCanvas> canvas_;
  std::unique_ptr<InfoDevice> info_;
  std::unique_ptr<TStringList> printers_;
  std::unique_ptr<TStringList> fonts_;
  TPrintDevices devices_;
  bool listed_ = false;
  int index_ = -1;
  bool chosen_ = false;  // by name or index rather than taken as the default
  TPrintSetup setup_;
  HGLOBAL deviceMode_ = nullptr;
  std::unique_ptr<TPrintJob> job_;
  bool aborted_ = false;
  int pageNumber_ = 0;
};

// The program's printer, made at its first use.
TPrinter* Printer();
// Puts another printer in its place and returns the one it replaces (the caller owns it).
TPrinter* SetPrinter(TPrinter* printer);
