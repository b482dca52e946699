// Edits with a button inside at their right edge, for values picked from elsewhere: the grid's
// edit-button editors stand on them. TEsgEditButton is the button part (a window holding one
// speed button), TEsgEditBtn the edit with it, TEsgUnitEditBtn the edit whose button chooses a
// unit shown right-aligned before the button.
#pragma once

#include <memory>

#include "components/grid/controls/ButtonEditLayout.h"
#include "components/grid/controls/ExtSpeedButton.h"
#include "platform/core/strings.h"
#include "platform/stdctrls/edit.h"

class TPaintOver;

class TEsgEditButton : public TCustomControl {
 public:
  explicit TEsgEditButton(TComponent* AOwner);

  TExtSpeedButton* GetButton() const { return button_; }
  // Focused when the button is pressed.
  TWinControl* GetFocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  bool GetFlat() const { return button_->GetFlat(); }
  void SetFlat(bool value) { button_->SetFlat(value); }
  TBitmap* GetGlyph() const { return button_->GetGlyph(); }
  void SetGlyph(const TBitmap* value) { button_->SetGlyph(value); }
  int GetNumGlyphs() const { return button_->GetNumGlyphs(); }
  void SetNumGlyphs(int value) { button_->SetNumGlyphs(value); }
  AnsiString GetButtonCaption() const { return button_->GetCaption(); }
  void SetButtonCaption(const AnsiString& value) { button_->SetCaption(value); }

  // Never narrower than 15 pixels.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Resize() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TExtSpeedButton* button_;
  TWinControl* focusControl_ = nullptr;
};

class TEsgEditBtn : public TCustomEdit {
 public:
  explicit TEsgEditBtn(TComponent* AOwner);
  ~TEsgEditBtn() override;

  TEsgEditButton* GetButton() const { return button_; }
  int GetButtonWidth() const { return button_->GetWidth(); }
  void SetButtonWidth(int value);
  AnsiString GetButtonCaption() const { return button_->GetButtonCaption(); }
  void SetButtonCaption(const AnsiString& value) { button_->SetButtonCaption(value); }
  TBitmap* GetGlyph() const { return button_->GetGlyph(); }
  void SetGlyph(const TBitmap* value) { button_->SetGlyph(value); }
  // Off: no typing, pasting, cutting or deleting; the button still works.
  bool GetEditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  bool GetIsWinXP() const { return button_->GetButton()->GetIsWinXP(); }
  void SetIsWinXP(bool value) { button_->GetButton()->SetIsWinXP(value); }
  bool GetRightAlign() const { return GetAlignment() == taRightJustify; }
  void SetRightAlign(bool value) { SetAlignment(value ? taRightJustify : taLeftJustify); }

  TNotifyEvent OnClickBtn;

  // The height the edit's font needs.
  int GetMinHeight();
  // Keeps the text clear of the button (and of the unit text).
  void SetEditRect();
  // What the button does: fires OnClickBtn.
  virtual void BtnClick();

 protected:
  TButtonEditLayout Layout() const { return {GetWidth(), GetHeight(), GetBorderStyle() != bsNone}; }

  void Resize() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMChar(TWMChar& Message) override;
  void WMPaste() override;
  void WMCut() override;
  // Room kept right of the text before the button.
  int unitWidth_ = 0;

 private:
  TEsgEditButton* button_;
  bool editorEnabled_ = true;
};

class TEsgUnitEditBtn : public TEsgEditBtn {
 public:
  explicit TEsgUnitEditBtn(TComponent* AOwner);
  ~TEsgUnitEditBtn() override;

  // The units the button offers, one a line.
  TStringList* GetUnits() const { return units_.get(); }
  void SetUnits(const TStrings* value);
  AnsiString GetUnitID() const { return unitID_; }
  void SetUnitID(const AnsiString& value);
  int GetUnitSpace() const { return unitWidth_; }
  void SetUnitSize(int value);
  void SetUnitSpace(int value) { SetUnitSize(value); }

  // Offers the units in a menu below the button; the one chosen becomes UnitID.
  void BtnClick() override;

 private:
  void PaintUnit(TCanvas* Canvas);

  std::unique_ptr<TStringList> units_;
  AnsiString unitID_;
  std::unique_ptr<TPaintOver> unitPainter_;
};
