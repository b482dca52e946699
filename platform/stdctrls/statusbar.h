// A status bar along the bottom of its form. With SimplePanel it shows SimpleText across its
// whole width.
#pragma once

#include "platform/controls/wincontrol.h"

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);

  bool GetSimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  AnsiString GetSimpleText() const { return simpleText_; }
  void SetSimpleText(const AnsiString& value);

 private:
  void UpdateText();

  bool simplePanel_ = false;
  AnsiString simpleText_;
};
