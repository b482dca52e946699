// A panel: a raised (or lowered) surface that holds controls, with its caption in the middle.
// The bevels and the border width take room from the area its aligned controls share.
#pragma once

#include "platform/controls/customcontrol.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);

  TPanelBevel GetBevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel value);
  TPanelBevel GetBevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel value);
  int GetBevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int GetBorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  // bsSingle adds a sunken edge round the panel.
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }
  void AlignArea(int& left, int& top, int& width, int& height) const override;

 private:
  void Changed();
  int EdgeSize() const { return borderStyle_ == bsSingle ? 2 : 0; }

  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};
