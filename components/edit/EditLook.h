// The look the typed and the masked edit share, over the platform edit they derive from:
// the normal and disabled colours, the flat look (no frame, a line under the text or a soft
// frame, the parent's colour), the focus border on hover and focus, and the attached label
// that follows the edit's place, visibility and enabled state. TExtEdit and TExtMaskEdit
// derive from TEditLook<TCustomEdit> and TEditLook<TMaskEdit>; the template is instantiated
// for those two in EditLook.cpp.
#pragma once

#include <memory>

#include "components/edit/EditLabel.h"
#include "platform/controls/paint_over.h"
#include "platform/graphics/canvas.h"
#include "platform/stdctrls/edit.h"

// Where the two edits' looks part. The typed edit takes the colour shown as its normal one
// when it is made flat or disabled, gives a flat edit the parent's colour as its focus
// colour too, and gets back the border style it had when the flat look is switched off; the
// masked edit keeps its normal and focus colours and returns to a single border.
struct TEditLookRules {
  bool TakeShownColor = false;
  bool FlatFocusColor = false;
  bool KeepBorderStyle = false;
};

template <typename Edit>
class TEditLook : public Edit, public TLabelSettings {
 public:
  TEditLook(TComponent* AOwner, TEditLookRules Rules);
  // The colours set while loading are the normal ones; the flat look and the label follow.
  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;

  // Color and Enabled as the form sets them: the colour is also the one outside focus; a
  // disabled edit shows DisabledColor.
  TColor GetColorEx() const { return this->GetColor(); }
  void SetColorEx(TColor Value);
  bool GetEnabledEx() const { return this->GetEnabled(); }
  void SetEnabledEx(bool Value) { this->SetEnabled(Value); }
  TColor GetDisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor Value);
  // Flat: no frame, a line of FlatLineColor under the text (a frame with SoftBorder), and
  // with FlatParentColor the parent's colour; switching it off brings the colour back.
  bool GetFlat() const { return flat_; }
  void SetFlat(bool Value);
  TColor GetFlatLineColor() const { return flatLineColor_; }
  void SetFlatLineColor(TColor Value) { SetAndRepaint(flatLineColor_, Value); }
  bool GetFlatParentColor() const { return flatParentColor_; }
  void SetFlatParentColor(bool Value) { SetAndRepaint(flatParentColor_, Value); }
  bool GetSoftBorder() const { return softBorder_; }
  void SetSoftBorder(bool Value) { SetAndRepaint(softBorder_, Value); }
  // A sunken border while the mouse is over the edit or it has the focus.
  bool GetFocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool Value) { SetAndRepaint(focusBorder_, Value); }

  TColor FocusColor = clWindow;
  // Take the focus when the mouse enters.
  bool AutoFocus = false;

 protected:
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Painting over the platform edit: the border, then PaintEdit, then the 3D border.
  void WMPaint(TCanvas& Canvas);
  // The flat line or frame; an edit that paints more calls this first.
  virtual void PaintEdit(TCanvas& Canvas);
  void DrawBorder(TCanvas& Canvas);
  void DrawControlBorder(TCanvas& Canvas);
  bool Is3DBorderButton() const;
  // The formatting rectangle: inset for the flat line, else the whole client area.
  void SetFlatRect();
  bool Loading() const { return this->GetComponentState().Contains(csLoading); }
  // A setting of the look: stored, then shown.
  template <typename T>
  void SetAndRepaint(T& Setting, const T& Value) {
    Setting = Value;
    this->Invalidate();
  }

  // The colours outside focus, which the focus, modified, error and disabled looks leave.
  TColor normalColor_ = clWindow;
  TColor normalFontColor_ = clWindowText;
  bool flat_ = false;
  bool focusBorder_ = false;
  // Always the sunken border; only the typed edit publishes it.
  bool border3D_ = false;

 private:
  const TEditLookRules rules_;
  std::unique_ptr<TPaintOver> paintOver_;
  TColor disabledColor_ = clSilver;
  TColor flatLineColor_ = clBlack;
  bool flatParentColor_ = true;
  bool softBorder_ = false;
  TColor unflatColor_ = clWindow;  // the colour the flat look gives back
  TBorderStyle savedBorderStyle_ = bsSingle;
  bool mouseInside_ = false;
};
