// The grid's update lock: a nesting counter that holds painting back while bulk operations
// run. Only the end of the outermost pair asks for the repaint.
#pragma once

class TUpdateLock {
 public:
  void Begin() { ++count_; }
  // True when the count is (or already was) at zero afterwards: the grid repaints then.
  bool End() {
    if (count_ > 0) --count_;
    return count_ == 0;
  }
  void Reset() { count_ = 0; }
  bool Locked() const { return count_ > 0; }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};
