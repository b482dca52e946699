#include "tools/sample/Konsolenmeldungen.h"

#include <cstdio>

Konsolenmeldungen::Konsolenmeldungen() : vorher_(SetDialogHandler(this)) {}
Konsolenmeldungen::~Konsolenmeldungen() { SetDialogHandler(vorher_); }

int Konsolenmeldungen::Melden(const AnsiString& text) {
  ++anzahl;
  std::fprintf(stderr, "%s\n", AnsiToUtf8(text).c_str());
  return 0;
}

int Konsolenmeldungen::MessageDlg(const AnsiString& text, TMsgDlgType, TMsgDlgButtons) {
  Melden(text);
  return mrOk;
}

int Konsolenmeldungen::MessageBox(const AnsiString& text, const AnsiString&, unsigned) {
  Melden(text);
  return IDOK;
}

bool Konsolenmeldungen::InputQuery(const AnsiString&, const AnsiString& prompt, AnsiString&) {
  Melden(prompt);
  return false;
}

bool Konsolenmeldungen::FileDialog(FileDialogRequest& request) {
  Melden(request.title);
  return false;
}

bool Konsolenmeldungen::ColorDialog(TColor&) { return false; }
