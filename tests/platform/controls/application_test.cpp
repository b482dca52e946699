#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <thread>

#include "platform/controls/application.h"
#include "platform/controls/dialog_language.h"

namespace {

TEST(Application, ProcessMessagesDeliversWaitingEvents) {
  bool delivered = false;
  QTimer::singleShot(0, [&] { delivered = true; });
  // Calls close together may skip the loop; keep calling until it has run.
  for (int i = 0; i < 1000 && !delivered; ++i) {
    Application->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(delivered);
}

}  // namespace

// The system's dialogs speak the program's language; a language without translations changes
// nothing. (The translator stays for the rest of this test program's process.)
TEST(DialogLanguage, TheSystemsDialogTextsFollowTheLanguageChosen) {
  EXPECT_FALSE(UseDialogLanguage("xx"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  ASSERT_TRUE(UseDialogLanguage("de")) << "qt6-translations-l10n is not installed";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Drucken");
}
