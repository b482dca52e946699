#include "components/grid/controls/ExtXPVS.h"

namespace {

TThemeBinding Bind() {
  TThemeBinding binding;
  binding.Loaded = true;
  binding.IsThemeActive = ::IsThemeActive;
  binding.OpenThemeData = ::OpenThemeData;
  binding.CloseThemeData = ::CloseThemeData;
  binding.DrawThemeBackground = ::DrawThemeBackground;
  return binding;
}

}  // namespace

const TThemeBinding& ThemeBinding() {
  static const TThemeBinding binding = Bind();
  return binding;
}

bool ThemeAvailable() {
  const TThemeBinding& binding = ThemeBinding();
  return binding.Loaded && binding.IsThemeActive();
}

bool DrawThemed(void* Window, const char* ClassList, TCanvas* Canvas, int Part, int State,
                const TRect& R) {
  if (!ThemeAvailable()) return false;
  const TThemeBinding& binding = ThemeBinding();
  HTHEME theme = binding.OpenThemeData(Window, ClassList);
  if (!theme) return false;
  binding.DrawThemeBackground(theme, Canvas->GetHandle(), Part, State, &R, nullptr);
  binding.CloseThemeData(theme);
  return true;
}
