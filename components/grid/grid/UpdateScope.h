// Holds a grid's update lock for a block of code, and lets it go however the block is left
// (a handler may raise in the middle of a bulk operation).
#pragma once

template <typename Grid>
class TUpdateScope {
 public:
  explicit TUpdateScope(Grid& grid) : grid_(grid) { grid_.BeginUpdate(); }
  ~TUpdateScope() { grid_.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  Grid& grid_;
};
