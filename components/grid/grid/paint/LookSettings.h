// The settings of the grid's look: the node glyphs of grouped rows, the check boxes and radio
// buttons drawn in cells, the background picture, and the alternating row bands. Every
// setter here repaints the grid, except as TBands says.
#pragma once

#include "components/grid/grid/GridSettings.h"
#include "platform/graphics/color.h"

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf };

class TCellNode : public TGridSettings {
 public:
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value) { Update(color_, Value); }
  TNodeType GetNodeType() const { return nodeType_; }
  void SetNodeType(TNodeType Value) { Update(nodeType_, Value); }
  TColor GetNodeColor() const { return nodeColor_; }
  void SetNodeColor(TColor Value) { Update(nodeColor_, Value); }
  TBitmap* GetExpandGlyph() const { return expandGlyph_.get(); }
  void SetExpandGlyph(const TBitmap* Value) { expandGlyph_->Assign(Value); }
  TBitmap* GetContractGlyph() const { return contractGlyph_.get(); }
  void SetContractGlyph(const TBitmap* Value) { contractGlyph_->Assign(Value); }
  bool GetShowTree() const { return showTree_; }
  void SetShowTree(bool Value) { Update(showTree_, Value); }

 private:
  TColor color_ = clSilver;
  TNodeType nodeType_ = cnFlat;
  TColor nodeColor_ = clBlack;
  std::unique_ptr<TBitmap> expandGlyph_ = MakeGlyph();
  std::unique_ptr<TBitmap> contractGlyph_ = MakeGlyph();
  bool showTree_ = false;
};

// The class library's control style (a set of control traits) already holds the plain name.
enum TGridControlStyle { csClassic, csFlat, csWinXP, csBorland, csOrvik, csGlyph, csTheme };

class TControlLook : public TGridSettings {
 public:
  int GetCheckSize() const { return checkSize_; }
  void SetCheckSize(int Value) { Update(checkSize_, Value); }
  TBitmap* GetUnCheckedGlyph() const { return unCheckedGlyph_.get(); }
  void SetUnCheckedGlyph(const TBitmap* Value) { unCheckedGlyph_->Assign(Value); }
  TBitmap* GetCheckedGlyph() const { return checkedGlyph_.get(); }
  void SetCheckedGlyph(const TBitmap* Value) { checkedGlyph_->Assign(Value); }
  TGridControlStyle GetControlStyle() const { return controlStyle_; }
  void SetControlStyle(TGridControlStyle Value) { Update(controlStyle_, Value); }
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value) { Update(color_, Value); }
  int GetRadioSize() const { return radioSize_; }
  void SetRadioSize(int Value) { Update(radioSize_, Value); }
  TBitmap* GetRadioOffGlyph() const { return radioOffGlyph_.get(); }
  void SetRadioOffGlyph(const TBitmap* Value) { radioOffGlyph_->Assign(Value); }
  TBitmap* GetRadioOnGlyph() const { return radioOnGlyph_.get(); }
  void SetRadioOnGlyph(const TBitmap* Value) { radioOnGlyph_->Assign(Value); }
  bool GetFlatButton() const { return flatButton_; }
  void SetFlatButton(bool Value) { Update(flatButton_, Value); }

 private:
  int checkSize_ = 15;
  std::unique_ptr<TBitmap> unCheckedGlyph_ = MakeGlyph();
  std::unique_ptr<TBitmap> checkedGlyph_ = MakeGlyph();
  TGridControlStyle controlStyle_ = csClassic;
  TColor color_ = clBlack;
  int radioSize_ = 10;
  std::unique_ptr<TBitmap> radioOffGlyph_ = MakeGlyph();
  std::unique_ptr<TBitmap> radioOnGlyph_ = MakeGlyph();
  bool flatButton_ = false;
};

enum TBackgroundDisplay { bdTile, bdFixed };
enum TBackgroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TGridSettings {
 public:
  int GetTop() const { return top_; }
  void SetTop(int Value) { Update(top_, Value); }
  int GetLeft() const { return left_; }
  void SetLeft(int Value) { Update(left_, Value); }
  TBackgroundDisplay GetDisplay() const { return display_; }
  void SetDisplay(TBackgroundDisplay Value) { Update(display_, Value); }
  TBackgroundCells GetCells() const { return cells_; }
  void SetCells(TBackgroundCells Value) { Update(cells_, Value); }
  TBitmap* GetBitmap() const { return bitmap_.get(); }
  void SetBitmap(const TBitmap* Value) { bitmap_->Assign(Value); }

 private:
  int top_ = 0;
  int left_ = 0;
  TBackgroundDisplay display_ = bdTile;
  TBackgroundCells cells_ = bcNormal;
  std::unique_ptr<TBitmap> bitmap_ = MakeGlyph();
};

// Alternating row colours: PrimaryLength rows of PrimaryColor, then SecondaryLength rows of
// SecondaryColor. Colours and lengths repaint only while the bands are active. A length
// below 0 counts as 0, and the period is never below 1, so painting may divide by it.
class TBands : public TGridSettings {
 public:
  bool Print = false;

  bool GetActive() const { return active_; }
  void SetActive(bool Value) { Update(active_, Value); }
  int GetSecondaryLength() const { return secondaryLength_; }
  void SetSecondaryLength(int Value);
  int GetPrimaryLength() const { return primaryLength_; }
  void SetPrimaryLength(int Value);
  TColor GetSecondaryColor() const { return secondaryColor_; }
  void SetSecondaryColor(TColor Value);
  TColor GetPrimaryColor() const { return primaryColor_; }
  void SetPrimaryColor(TColor Value);
  int GetPeriod() const { return period_; }

 private:
  bool active_ = false;
  int secondaryLength_ = 1;
  int primaryLength_ = 1;
  TColor secondaryColor_ = clWindow;
  TColor primaryColor_ = clInfoBk;
  int period_ = 2;

  template <typename T>
  void UpdateBand(T& field, const T& value);
};
