// What the grid offers and takes in drag and drop between programs. Switching the grid into
// a drop target, and rich text on or off, is the drag and drop code's business: the two
// setters tell it through their events.
#pragma once

#include <functional>

class TDragDropSettings {
 public:
  bool GetOleDropRTF() const { return oleDropRTF_; }
  void SetOleDropRTF(bool Value) { Switch(oleDropRTF_, Value, OnOleDropRTFChange); }
  bool GetOleDropTarget() const { return oleDropTarget_; }
  void SetOleDropTarget(bool Value) { Switch(oleDropTarget_, Value, OnOleDropTargetChange); }

  bool OleAcceptText = true;
  bool OleEntireRows = false;
  bool OleDropSource = false;
  bool OleRemoveRows = false;
  bool OleAcceptFiles = true;
  bool OleInsertRows = false;
  bool OleCopyAlways = false;
  bool OleColumnDragDrop = false;

  std::function<void(bool On)> OnOleDropRTFChange;
  std::function<void(bool On)> OnOleDropTargetChange;

 private:
  bool oleDropRTF_ = false;
  bool oleDropTarget_ = false;

  static void Switch(bool& field, bool value, const std::function<void(bool)>& event) {
    field = value;
    if (event) event(value);
  }
};
