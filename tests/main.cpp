// Shared main of every test program: a QApplication on the offscreen platform with a fixed
// style and palette, so windows, painting and input are tested headless with stable colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstdlib>

extern "C" const char* __lsan_default_options() {
  return "suppressions=" KALVENTO_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setPalette(QApplication::style()->standardPalette());
  return RUN_ALL_TESTS();
}
