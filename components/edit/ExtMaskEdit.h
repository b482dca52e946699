// The masked edit with the typed edit's look: focus colours, the modified colour, the flat
// look and focus border, an attached label; Enter may act as Tab, Esc may undo, and a filled
// mask is announced (OnMaskComplete) and may move the focus on (AutoTab).
#pragma once

#include <functional>
#include <memory>

#include "components/edit/EditLook.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/maskedit.h"

// Every position of the mask has been filled by the user; clearing Accept keeps the focus.
using TMaskCompleteEvent =
    std::function<void(TObject* Sender, const AnsiString& Value, bool& Accept)>;

// The flat look, the focus border, the disabled colour and the label are TEditLook's.
class TExtMaskEdit : public TEditLook<TMaskEdit> {
 public:
  explicit TExtMaskEdit(TComponent* AOwner);

  // Move on when the user fills the mask's last position.
  bool AutoTab = true;
  bool ReturnIsTab = true;
  // On focus entry the first character of a masked text is selected.
  bool SelectFirstChar = false;
  // Esc puts back the text of focus entry and goes on to the parent.
  bool CanUndo = false;
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

 protected:
  void WMChar(TWMChar& Message) override;
  void WMKeyDown(TWMKeyDown& Message) override;
  void WMPaste() override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void WMSetFocus() override;
  void WMKillFocus() override;
  void DoEnter() override;

 private:
  // The font colour outside focus: the modified one while it shows.
  TColor RestingFontColor() const;
  // The first character selected, on entry with SelectFirstChar.
  void SelectFirst();
  // A key that changed the text may have filled the mask: tell, and move on.
  void CheckComplete();

  AnsiString undoText_;
  // The text changed by a key whose release is still to come.
  bool typed_ = false;
};
