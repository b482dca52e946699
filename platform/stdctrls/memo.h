// A multi-line edit. Its Lines are the text seen line by line; line ends are CR LF as on
// Windows, in Text as in SelStart. Enter types a line end; Tab moves the focus unless WantTabs.
#pragma once

#include <memory>

#include "platform/stdctrls/edit.h"
#include "platform/controls/scroll_style.h"
#include "platform/core/strings.h"


class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;

  TStrings* GetLines() const { return lines_.get(); }
  void SetLines(const TStrings& lines) { lines_->Assign(lines); }
  // Long lines wrap at the control's width (and there is no horizontal scrolling).
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TScrollStyle GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WantTabs = false;
  bool WantReturns = true;

  // The window-text position where a line starts; -1 past the last line.
  int LineIndex(int line) const;

 protected:
  bool SingleLine() const override { return false; }
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  void ApplyLayout();

  std::unique_ptr<TStrings> lines_;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
};
