// Shared main of every test program: a QApplication on the offscreen platform with a fixed
// style and palette, so windows, painting and input are tested headless with stable colours.
#include <gtest/gtest.h>

#include <pthread.h>

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QThreadPool>

#include <cstdlib>

extern "C" const char* __lsan_default_options() {
  return "suppressions=" KALVENTO_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

// A forked copy of a test process (another running copy of the program) has none of the
// parent's threads, yet Qt's pool would hand work (painting large images among it) to the
// idle ones it remembers and wait for ever. So no pool thread lives when a test forks: the
// child's pool starts threads of its own.
void EndPoolThreads() { QThreadPool::globalInstance()->waitForDone(); }

int main(int argc, char** argv) {
  pthread_atfork(EndPoolThreads, nullptr, nullptr);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setPalette(QApplication::style()->standardPalette());
  return RUN_ALL_TESTS();
}
