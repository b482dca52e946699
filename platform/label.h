// A static text on a form. With AutoSize it takes the size of its text; with WordWrap as well
// it keeps its width and grows downwards.
#pragma once

#include "platform/control.h"

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* AOwner);

  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void TextChanged() override;
  void FontChanged() override;

 private:
  void AdjustBounds();

  bool autoSize_ = true;
  bool wordWrap_ = false;
};
