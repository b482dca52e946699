// For the generators, which run without windows: every message the engine would show goes to
// standard error and is counted, and every question is answered with its first choice.
#pragma once

#include "platform/controls/dialogs.h"

class ConsoleMessages : public DialogHandler {
 public:
  ConsoleMessages();
  ~ConsoleMessages() override;
  ConsoleMessages(const ConsoleMessages&) = delete;
  ConsoleMessages& operator=(const ConsoleMessages&) = delete;

  int count = 0;  // messages shown so far

  int MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
  int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override;
  bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) override;
  bool FileDialog(FileDialogRequest& request) override;
  bool ColorDialog(TColor& color) override;
  bool PrintDialog(PrintDialogRequest& request) override;

 private:
  int Report(const AnsiString& text);
  DialogHandler* previous_;
};
