// A device context's mapping mode: how logical coordinates become device pixels, with the
// window and viewport origins and extents of the Windows mapping modes.
#pragma once

#include "platform/graphics/geometry.h"

enum : int { MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5,
             MM_TWIPS = 6, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };

class TMapping {
 public:
  TMapping(int dpiX = 96, int dpiY = 96) : dpiX_(dpiX), dpiY_(dpiY) {}

  int Mode() const { return mode_; }
  // Fixed modes set their own extents (metric and English units have y growing upwards);
  // the isotropic mode starts from the low-metric extents, the anisotropic keeps the current.
  void SetMode(int mode);
  void SetResolution(int dpiX, int dpiY);

  TSize WindowExt() const { return windowExt_; }
  TSize ViewportExt() const { return viewportExt_; }
  TPoint WindowOrg() const { return windowOrg_; }
  TPoint ViewportOrg() const { return viewportOrg_; }
  // Extents change only in the isotropic and anisotropic modes; zero extents are refused.
  bool SetWindowExt(TSize ext);
  bool SetViewportExt(TSize ext);
  void SetWindowOrg(TPoint org) { windowOrg_ = org; }
  void SetViewportOrg(TPoint org) { viewportOrg_ = org; }

  TPoint LPtoDP(TPoint p) const;
  TPoint DPtoLP(TPoint p) const;
  // The rectangle in the other space, normalised so that left <= right and top <= bottom.
  TRect LPtoDP(const TRect& r) const;
  TRect DPtoLP(const TRect& r) const;
  // Device pixels per logical unit; negative where the axis runs against the device's.
  double ScaleX() const { return double(viewportExt_.cx) / windowExt_.cx; }
  double ScaleY() const { return double(viewportExt_.cy) / windowExt_.cy; }
  int DeviceLength(int logical) const;  // a logical length along y in whole pixels
  bool IsIdentity() const;

 private:
  void MakeIsotropic();

  int mode_ = MM_TEXT;
  int dpiX_;
  int dpiY_;
  TSize windowExt_{1, 1};
  TSize viewportExt_{1, 1};
  TPoint windowOrg_;
  TPoint viewportOrg_;
};
