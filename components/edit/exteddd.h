// The edits' drag and drop unit: text (and, when RTF-aware, rich text) dragged out of a
// control, and text, rich text and file lists dropped onto one.
#pragma once

#include "platform/controls/keys.h"
#include "platform/controls/text_drag_drop.h"

class TExtEdit;

// The unit's RTF-aware switch and its registered formats.
TDragFormatSet& EditDragFormats();
void SetRTFAware(bool b);
// DROPEFFECT_COPY with Ctrl, else DROPEFFECT_MOVE.
DWORD StandardEffect(TShiftState Shift);
// Runs a drag of the text; DRAGDROP_S_CANCEL when the last feedback had no effect.
HRESULT StartTextDoDragDrop(const AnsiString& Text, const AnsiString& RTF, DWORD AllowedEffects,
                            DWORD& Effect);

// Reader of a dropped data object's formats.
class TEnumFormats : public TDragFormatReader {
 public:
  explicit TEnumFormats(IDataObject& DataObject) : TDragFormatReader(DataObject, EditDragFormats()) {}
};

class TAEDropTarget : public TTextDropTarget {
 public:
  TAEDropTarget() : TTextDropTarget(EditDragFormats()) {}
};

class TAEDropSource : public TTextDropSource {};

class TSourceDataObject : public TSourceData {
 public:
  TSourceDataObject(const AnsiString& Text, const AnsiString& RTF)
      : TSourceData(EditDragFormats(), Text, RTF) {}
};

// The drop target of a typed edit: text lands at the character under the mouse, where a drop
// caret follows the mouse; rich text and files are not taken.
class TEditDropTarget : public TAEDropTarget {
 public:
  explicit TEditDropTarget(TExtEdit* Edit) : edit_(Edit) {}

 protected:
  void DropText(TPoint pt, const AnsiString& s) override;
  void DragMouseMove(TPoint pt, bool& Allow, TDropFormats Formats) override;
  void DragMouseLeave() override;

 private:
  TExtEdit* edit_;
};
