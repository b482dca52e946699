// The frames of an animated GIF picture and their animation.
#include "components/grid/html/GifFrames.h"
#include "components/grid/html/HTMLPicture.h"

bool THTMLPicture::IsGIFFile() const { return IsGIFData(data_); }

int THTMLPicture::GetFrameCount() {
  if (!IsGIFFile()) return -1;
  if (frameCount_ < 0) frameCount_ = CountGIFFrames(data_);
  return frameCount_;
}

int THTMLPicture::GetFrameTime(int Frame) {
  const TGIFFrameTiming timing = GIFFrameTiming(data_, Frame);
  if (timing.Delay >= 0) {
    frameTransp_ = timing.Transparent;
    frameDisposal_ = timing.Disposal;
  }
  return timing.Delay;
}

void THTMLPicture::SetFrame(int Value) {
  const int count = GetFrameCount();
  if (Value < 1 || (count > 0 && Value > count)) return;
  const int old = frame_;
  frame_ = Value;
  if (empty_) return;
  try {
    LoadPicture();
  } catch (...) {
    frame_ = old;
    throw;
  }
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
  const int count = GetFrameCount();
  if (count > 0) SetFrame(frame_ >= count ? 1 : frame_ + 1);
}

void THTMLPicture::FramePrev() {
  const int count = GetFrameCount();
  if (count > 0) SetFrame(frame_ <= 1 ? count : frame_ - 1);
}

// The due time counts hundredths of a second, as the frames' delays do; a tick is a tenth.
bool THTMLPicture::Step() {
  if (empty_ || GetFrameCount() < 2) return false;
  bool changed = false;
  if (timerCount_ * 10 >= nextCount_) {
    FrameNext();
    nextCount_ += GetFrameTime(frame_);
    changed = true;
  }
  ++timerCount_;
  return changed;
}
