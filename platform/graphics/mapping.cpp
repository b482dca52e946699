#include "platform/graphics/mapping.h"

#include <cmath>
#include <cstdlib>

namespace {

// Logical units per inch of the fixed modes.
int UnitsPerInch(int mode) {
  switch (mode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
  }
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

void TMapping::SetResolution(int dpiX, int dpiY) {
  dpiX_ = dpiX > 0 ? dpiX : 96;
  dpiY_ = dpiY > 0 ? dpiY : 96;
  if (UnitsPerInch(mode_) != 0) SetMode(mode_);
}

void TMapping::SetMode(int mode) {
  int units = UnitsPerInch(mode == MM_ISOTROPIC ? MM_LOMETRIC : mode);
  bool keepExtents = mode == MM_ANISOTROPIC || (mode == MM_ISOTROPIC && mode_ == MM_ISOTROPIC);
  mode_ = mode >= MM_TEXT && mode <= MM_ANISOTROPIC ? mode : MM_TEXT;
  if (keepExtents) return;
  if (units == 0) {
    windowExt_ = {1, 1};
    viewportExt_ = {1, 1};
  } else {
    windowExt_ = {units, units};
    viewportExt_ = {dpiX_, -dpiY_};
  }
}

bool TMapping::SetWindowExt(TSize ext) {
  if (mode_ != MM_ISOTROPIC && mode_ != MM_ANISOTROPIC) return true;
  if (ext.cx == 0 || ext.cy == 0) return false;
  windowExt_ = ext;
  MakeIsotropic();
  return true;
}

bool TMapping::SetViewportExt(TSize ext) {
  if (mode_ != MM_ISOTROPIC && mode_ != MM_ANISOTROPIC) return true;
  if (ext.cx == 0 || ext.cy == 0) return false;
  viewportExt_ = ext;
  MakeIsotropic();
  return true;
}

// The isotropic mode keeps one scale on both axes: the smaller one, signs kept.
void TMapping::MakeIsotropic() {
  if (mode_ != MM_ISOTROPIC) return;
  double sx = std::fabs(ScaleX());
  double sy = std::fabs(ScaleY());
  if (sx < sy) {
    int cy = Round(std::abs(windowExt_.cy) * sx);
    viewportExt_.cy = (viewportExt_.cy < 0) != (windowExt_.cy < 0) ? -cy : cy;
  } else if (sy < sx) {
    int cx = Round(std::abs(windowExt_.cx) * sy);
    viewportExt_.cx = (viewportExt_.cx < 0) != (windowExt_.cx < 0) ? -cx : cx;
  }
}

TPoint TMapping::LPtoDP(TPoint p) const {
  return {Round((p.x - windowOrg_.x) * ScaleX()) + viewportOrg_.x,
          Round((p.y - windowOrg_.y) * ScaleY()) + viewportOrg_.y};
}

TPoint TMapping::DPtoLP(TPoint p) const {
  return {Round((p.x - viewportOrg_.x) / ScaleX()) + windowOrg_.x,
          Round((p.y - viewportOrg_.y) / ScaleY()) + windowOrg_.y};
}

TRect TMapping::LPtoDP(const TRect& r) const {
  return NormalizedRect({LPtoDP(r.TopLeft()), LPtoDP(r.BottomRight())});
}

TRect TMapping::DPtoLP(const TRect& r) const {
  return NormalizedRect({DPtoLP(r.TopLeft()), DPtoLP(r.BottomRight())});
}

int TMapping::DeviceLength(int logical) const { return Round(std::fabs(logical * ScaleY())); }

bool TMapping::IsIdentity() const {
  return windowExt_ == viewportExt_ && windowOrg_ == TPoint() && viewportOrg_ == TPoint();
}
