// Message boxes, questions, input boxes, file, colour and print dialogs. Every one goes through the
// installed DialogHandler, so that tests can read each text and give each answer.
#pragma once

#include <functional>
#include <vector>

#include "platform/graphics/color.h"
#include "platform/core/set.h"
#include "platform/core/text.h"
#include "platform/winapi/print_device.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
                  mbYesToAll, mbHelp };
using TMsgDlgButtons = Set<TMsgDlgBtn>;

// Modal results.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
             mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10 };

// Windows message box flags and results.
enum : unsigned { MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                  MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONERROR = 0x10,
                  MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40,
                  MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200 };
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

struct FileDialogRequest {
  bool save = false;
  AnsiString title;
  AnsiString filter;      // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
  int filterIndex = 1;    // 1-based, as the dialogs count
  AnsiString initialDir;
  AnsiString defaultExt;
  AnsiString fileName;    // in: proposed name; out: the chosen one
  bool overwritePrompt = false;  // save: ask before replacing a file
  bool fileMustExist = false;    // open: only files that are there
};

// A print or printer-setup dialog: the printers offered, the one chosen and its setup. On OK
// the user's choice comes back in the same fields.
struct PrintDialogRequest {
  bool setupOnly = false;  // the printer-setup dialog: choose and set up, print nothing
  std::vector<AnsiString> printers;
  int printerIndex = -1;
  TPrintSetup settings;  // of the printer chosen; another printer starts from its own
  // Per printer, the file it writes: empty for a queue; for a printer that writes a file, in
  // the file it will write, out the file the user chose.
  std::vector<AnsiString> files;
  // What the printer of that index can do (its papers, trays, copies, sides, colour); null
  // when it is not known.
  std::function<const TPrintDeviceInfo*(int)> infoOf;
  // One line above the printers where something limits them (the print service unreachable).
  AnsiString note;
};

// The setup another printer starts from in a print dialog: its own paper, tray, sides and
// colour, with what the user chose of the job (orientation, copies, collation, pages) kept.
TPrintSetup SetupForPrinter(const TPrintDeviceInfo& info, const TPrintSetup& chosen);

class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  // Returns the modal result (mrYes, mrOk, ...).
  virtual int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) = 0;
  // Returns IDOK, IDYES, ...
  virtual int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) = 0;
  virtual bool InputQuery(const AnsiString& caption, const AnsiString& prompt,
                          AnsiString& value) = 0;
  virtual bool FileDialog(FileDialogRequest& request) = 0;
  // Offers the colour and takes the one chosen; false when cancelled.
  virtual bool ColorDialog(TColor& color) = 0;
  // False when cancelled.
  virtual bool PrintDialog(PrintDialogRequest& request) = 0;
};

// Installs a handler and returns the one it replaces; nullptr restores the Qt dialogs.
DialogHandler* SetDialogHandler(DialogHandler* handler);

void ShowMessage(const AnsiString& text);
int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags);
AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& fallback);
bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value);
bool ExecuteFileDialog(FileDialogRequest& request);
// Asks before a file that exists is replaced: true when it may be, or when there is none. The
// one question of the save dialogs and of the print dialog's file.
bool MayReplaceFile(const AnsiString& fileName);
bool ExecuteColorDialog(TColor& color);
bool ExecutePrintDialog(PrintDialogRequest& request);

// The button a dialog answers with when the user just presses Enter.
int DefaultMessageDlgResult(TMsgDlgButtons buttons);
int DefaultMessageBoxResult(unsigned flags);
