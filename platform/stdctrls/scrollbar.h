// A scroll bar. Position stays between Min and Max; the user's scrolling passes OnScroll
// (which may change where it ends) before Position moves; every change of Position, the
// program's too, fires OnChange. With a PageSize the thumb shows that share of the range.
#pragma once

#include <functional>

#include "platform/controls/wincontrol.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
                   scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind GetKind() const { return kind_; }
  void SetKind(TScrollBarKind value);  // turns the bar, swapping width and height
  int GetMin() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int GetMax() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int GetPosition() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  // Raises EInvalidOperation when Max is below Min or below PageSize.
  void SetParams(int position, int min, int max);
  int GetSmallChange() const { return smallChange_; }
  void SetSmallChange(int value);
  int GetLargeChange() const { return largeChange_; }
  void SetLargeChange(int value);
  int GetPageSize() const { return pageSize_; }
  void SetPageSize(int value);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;

 private:
  void UserScroll(int action);
  void UpdateBar();

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0;
  int smallChange_ = 1, largeChange_ = 1, pageSize_ = 0;
  bool tracking_ = false;
};
