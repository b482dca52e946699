// Up and down arrows that step Position between Min and Max (round when Wrap). With an
// Associate the arrows sit at the associate's right edge and show Position as its text.
#pragma once

#include <functional>

#include "platform/controls/wincontrol.h"

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* AOwner);

  int GetMin() const { return min_; }
  void SetMin(int value) { min_ = value; }
  int GetMax() const { return max_; }
  void SetMax(int value) { max_ = value; }
  int GetPosition() const { return position_; }
  void SetPosition(int value);
  int Increment = 1;
  bool Wrap = false;
  // Thousand separators in the associate's text.
  bool Thousands = true;
  TUDOrientation GetOrientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  TWinControl* GetAssociate() const { return associate_; }
  void SetAssociate(TWinControl* control);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

  // What an arrow does: steps Position (if OnChanging allows), then fires OnClick.
  virtual void Click(TUDBtnType Button);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ShowPosition();

  int min_ = 0, max_ = 100, position_ = 0;
  TUDOrientation orientation_ = udVertical;
  TWinControl* associate_ = nullptr;
};
