// The masked edit with the typed edit's look: focus colours, the modified colour, the flat
// look and focus border, an attached label; Enter may act as Tab, Esc may undo, and a filled
// mask is announced (OnMaskComplete) and may move the focus on (AutoTab).
#pragma once

#include <functional>
#include <memory>

#include "components/edit/EditLabel.h"
#include "platform/controls/paint_over.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/maskedit.h"

// Every position of the mask has been filled by the user; clearing Accept keeps the focus.
using TMaskCompleteEvent =
    std::function<void(TObject* Sender, const AnsiString& Value, bool& Accept)>;

class TExtMaskEdit : public TMaskEdit, public TLabelSettings {
 public:
  explicit TExtMaskEdit(TComponent* AOwner);
  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;

  // Take the focus when the mouse enters.
  bool AutoFocus = false;
  // Move on when the user fills the mask's last position.
  bool AutoTab = true;
  bool ReturnIsTab = true;
  // On focus entry the first character of a masked text is selected.
  bool SelectFirstChar = false;
  // Esc puts back the text of focus entry and goes on to the parent.
  bool CanUndo = false;
  TColor FocusColor = clWindow;
  TColor FocusFontColor = clBlack;
  // The font colour after a change, with ShowModified.
  TColor ModifiedColor = clRed;
  bool ShowModified = false;
  TMaskCompleteEvent OnMaskComplete;

  // The text's alignment; the formatting rectangle is laid out again.
  TAlignment GetAlignement() const { return GetAlignment(); }
  void SetAlignment(TAlignment Value);
  bool GetModified() const { return TMaskEdit::GetModified(); }
  void SetModified(bool Value);
  // Color as the form sets it: also the colour outside focus.
  TColor GetColorEx() const { return GetColor(); }
  void SetColorEx(TColor Value);
  bool GetEnabledEx() const { return GetEnabled(); }
  void SetEnabledEx(bool Value) { SetEnabled(Value); }
  TColor GetDisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor Value);
  // Flat: no frame, a line of FlatLineColor under the text (a frame with SoftBorder), and
  // with FlatParentColor the parent's colour; switching it off brings the colour back.
  bool GetFlat() const { return flat_; }
  void SetFlat(bool Value);
  TColor GetFlatLineColor() const { return flatLineColor_; }
  void SetFlatLineColor(TColor Value);
  bool GetFlatParentColor() const { return flatParentColor_; }
  void SetFlatParentColor(bool Value);
  bool GetSoftBorder() const { return softBorder_; }
  void SetSoftBorder(bool Value);
  // A sunken border while the mouse is over the edit or it has the focus.
  bool GetFocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool Value);

 protected:
  void WMChar(TWMChar& Message) override;
  void WMKeyDown(TWMKeyDown& Message) override;
  void WMPaste() override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void WMSetFocus() override;
  void WMKillFocus() override;
  void DoEnter() override;
  void FontChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Painting over the platform edit: the border, then PaintEdit.
  void WMPaint(TCanvas& Canvas);
  void PaintEdit(TCanvas& Canvas);
  void DrawBorder(TCanvas& Canvas);
  void DrawControlBorder(TCanvas& Canvas);
  bool Is3DBorderButton() const;
  // The formatting rectangle: inset for the flat line, else the whole client area.
  void SetFlatRect();

 private:
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  // The font colour outside focus: the modified one while it shows.
  TColor RestingFontColor() const;
  // The first character selected, on entry with SelectFirstChar.
  void SelectFirst();
  // A key that changed the text may have filled the mask: tell, and move on.
  void CheckComplete();

  std::unique_ptr<TPaintOver> paintOver_;
  TColor normalColor_ = clWindow;
  TColor normalFontColor_ = clWindowText;
  // The colour the flat look's parent colour stands in for.
  TColor unflatColor_ = clWindow;
  AnsiString undoText_;
  // The text changed by a key whose release is still to come.
  bool typed_ = false;
  bool mouseInside_ = false;
  TColor disabledColor_ = clSilver;
  bool flat_ = false;
  TColor flatLineColor_ = clBlack;
  bool flatParentColor_ = true;
  bool softBorder_ = false;
  bool focusBorder_ = false;
};
