// The hook through which an application edits cells of editor type edCustom with a control of
// its own, over the cell (esInplace) or in a borderless pop-up form under it (esPopup). The
// application derives from TEditLink, makes its control in CreateEditor, calls EditKeyDown
// from the control's key-down event and EditExit from its exit event.
#pragma once

#include "components/grid/core/ExtGridTypes.h"
#include "platform/controls/wincontrol.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

class TExtStringGrid;
class TFont;
class TForm;

class TEditLink : public TComponent {
 public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;

  TExtStringGrid* Grid = nullptr;  // set by the grid each time it starts an edit
  // Keys that stay in the editor instead of ending the edit.
  bool WantKeyLeftRight = false;
  bool WantKeyUpDown = false;
  bool WantKeyHomeEnd = false;
  bool WantKeyPriorNext = false;
  bool WantKeyReturn = false;
  bool WantKeyEscape = false;
  TEditStyle EditStyle = esInplace;
  int PopupWidth = 0;
  int PopupHeight = 0;
  // Tag is the component's.
  bool AutoPopupWidth = false;  // the pop-up takes the cell's width

  // The application's side.
  virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual TWinControl* GetEditControl() { return nullptr; }
  virtual void CreateEditor(TWinControl* /*AParent*/) {}
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  virtual void SetRect(TRect R);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor /*AColor*/, TFont* /*AFont*/) {}
  virtual AnsiString GetEditorValue() { return ""; }
  virtual void SetEditorValue(const AnsiString& /*S*/) {}

  // For the control's exit event: the value goes to the cell and the edit ends.
  void EditExit(TObject* Sender);
  // Bound to the pop-up form's OnDeactivate.
  void FormExit(TObject* Sender);
  void HideEditor();
  // The current cell's text.
  AnsiString GetCellValue();
  void SetCellValue(const AnsiString& S);
  // The pop-up form for esPopup, else the grid.
  TWinControl* GetParent();
  TForm* GetPopup() const { return popup_; }
  // The edited cell: its real column and its row.
  int GetEditCol() const { return editCol_; }
  int GetEditRow() const { return editRow_; }

  // The grid's side: an edit of the cell at display column ACol begins, with the cell's
  // colour, font and edit text (StartKey: the character that started it, or 0), or the grid
  // ends it.
  void Open(TExtStringGrid* AGrid, int ACol, int ARow, TColor AColor, TFont* AFont,
            const AnsiString& Text, char StartKey);
  void Close();

 private:
  void MakePopup(const TRect& Cell);
  // The pop-up goes after the event that runs now; its control goes with it.
  void ReleasePopup();

  TForm* popup_ = nullptr;
  bool busy_ = false;  // the key handler is moving the focus back to the grid
  int editCol_ = -1;
  int editRow_ = -1;
};
