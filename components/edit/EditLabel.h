// Where an edit's attached label stands: beside it on the left (right edge or, for the *Left
// positions, left edge Margin pixels away), above or below it.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/text.h"
#include "platform/graphics/geometry.h"

class TComponent;
class TFont;
class TLabel;
class TWinControl;

enum TLabelPosition : uint8_t {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter
};

// The label's top-left corner for an edit with the bounds Edit, a label of LabelWidth x
// LabelHeight pixels whose caption is TextWidth pixels wide, Margin pixels apart.
TPoint LabelPlace(TLabelPosition Position, const TRect& Edit, int LabelWidth, int LabelHeight,
                  int TextWidth, int Margin);

// The label an edit carries beside it: made at the first caption (owned by the edit, on its
// parent, focusing it), placed by Position Margin pixels away with a font of its own, shown
// while the edit shows and enabled with it unless AlwaysEnabled.
class TAttachedLabel {
 public:
  explicit TAttachedLabel(TWinControl* Edit);
  ~TAttachedLabel();
  TAttachedLabel(const TAttachedLabel&) = delete;
  TAttachedLabel& operator=(const TAttachedLabel&) = delete;

  TLabel* Get() const { return label_; }
  AnsiString GetCaption() const;
  void SetCaption(const AnsiString& Value);
  TLabelPosition GetPosition() const { return position_; }
  void SetPosition(TLabelPosition Value);
  int GetMargin() const { return margin_; }
  void SetMargin(int Value);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);
  // A change of the font places the label again.
  TFont* GetFont() const { return font_.get(); }
  bool GetAlwaysEnabled() const { return alwaysEnabled_; }
  void SetAlwaysEnabled(bool Value);

  // Gives the label its font, then places it, so it is placed at the size it shows.
  void Update();
  void FollowEnabled();
  // While the edit loads the label shows the edit's font, until Update gives it its own.
  void ShowWhileLoading(const TFont& EditFont);
  // The label was freed by someone else.
  void Forget(const TComponent* Gone);

 private:
  TWinControl* edit_;
  TLabel* label_ = nullptr;
  std::unique_ptr<TFont> font_;
  TLabelPosition position_ = lpLeftTop;
  int margin_ = 4;
  bool transparent_ = false;
  bool alwaysEnabled_ = false;
};

// The attached label's settings as the edits that carry one publish them.
class TLabelSettings {
 public:
  // The attached label, made at the first caption.
  AnsiString GetLabelCaption() const { return label_.GetCaption(); }
  void SetLabelCaption(const AnsiString& Value) { label_.SetCaption(Value); }
  TLabel* GetLabel() const { return label_.Get(); }
  TLabelPosition GetLabelPosition() const { return label_.GetPosition(); }
  void SetLabelPosition(TLabelPosition Value) { label_.SetPosition(Value); }
  int GetLabelMargin() const { return label_.GetMargin(); }
  void SetLabelMargin(int Value) { label_.SetMargin(Value); }
  bool GetLabelTransparent() const { return label_.GetTransparent(); }
  void SetLabelTransparent(bool Value) { label_.SetTransparent(Value); }
  TFont* GetLabelFont() const { return label_.GetFont(); }
  void SetLabelFont(const TFont* Value);
  bool GetLabelAlwaysEnabled() const { return label_.GetAlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool Value) { label_.SetAlwaysEnabled(Value); }
  void UpdateLabel() { label_.Update(); }

 protected:
  explicit TLabelSettings(TWinControl* Edit) : label_(Edit) {}

  TAttachedLabel label_;
};
