#include "tools/sample/ConsoleMessages.h"

#include <cstdio>

ConsoleMessages::ConsoleMessages() : previous_(SetDialogHandler(this)) {}
ConsoleMessages::~ConsoleMessages() { SetDialogHandler(previous_); }

int ConsoleMessages::Report(const AnsiString& text) {
  ++count;
  std::fprintf(stderr, "%s\n", AnsiToUtf8(text).c_str());
  return 0;
}

int ConsoleMessages::MessageDlg(const AnsiString& text, TMsgDlgType, TMsgDlgButtons) {
  Report(text);
  return mrOk;
}

int ConsoleMessages::MessageBox(const AnsiString& text, const AnsiString&, unsigned) {
  Report(text);
  return IDOK;
}

bool ConsoleMessages::InputQuery(const AnsiString&, const AnsiString& prompt, AnsiString&) {
  Report(prompt);
  return false;
}

bool ConsoleMessages::FileDialog(FileDialogRequest& request) {
  Report(request.title);
  return false;
}

bool ConsoleMessages::ColorDialog(TColor&) { return false; }

bool ConsoleMessages::PrintDialog(PrintDialogRequest&) { return false; }
