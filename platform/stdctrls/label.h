// A static text on a form. With AutoSize it takes the size of its text; with WordWrap as well
// it keeps its width and grows downwards. "&" marks the accelerator (unless ShowAccelChar is
// off), which focuses FocusControl.
#pragma once

#include "platform/controls/wincontrol.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* AOwner);

  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout GetLayout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool GetShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* GetFocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);
  // Without a background of its own: what lies behind shows through.
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool value);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void AdjustBounds();
  void UpdateText();
  int TextFlags() const;

  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  TWinControl* focusControl_ = nullptr;
};
