#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/controls/dialogs.h"
#include "platform/controls/file_dialogs.h"
#include "message_log.h"

namespace {

TEST(FileDialogs, SaveDialogAddsTheDefaultExtensionOnce) {
  MessageLog log;
  TSaveDialog dialog(nullptr);
  dialog.DefaultExt = ".csv";
  dialog.Filter = "Warenkorb|*.csv";
  dialog.Title = "Speichern";
  log.Answer("/tmp/bestellung");
  log.Answer("/tmp/liste.txt");
  log.Answer(mrCancel);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "/tmp/bestellung.csv");
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "/tmp/liste.txt");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "/tmp/liste.txt");  // a cancelled dialog keeps the last name
  EXPECT_EQ(log.texts, (std::vector<AnsiString>{"Speichern", "Speichern", "Speichern"}));
}

// The Qt dialog that is showing, answered from the message loop by the button with `text`.
void ClickLater(const QString& text, QStringList* seen) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* button : box->buttons()) {
      seen->append(button->text());
      if (button->text() == text) button->click();
    }
  });
}

TEST(QtDialogs, MessageDlgShowsGermanButtonsAndAnswersWithTheResult) {
  QStringList seen;
  ClickLater(QStringLiteral("&Abbrechen"), &seen);
  EXPECT_EQ(MessageDlg("Datensatz wirklich l\xF6schen?", mtConfirmation, {mbYes, mbAbort}), mrAbort);
  seen.sort();
  EXPECT_EQ(seen, (QStringList{"&Abbrechen", "&Ja"}));
}

TEST(QtDialogs, MessageBoxAnswersWithTheWindowsId) {
  QStringList seen;
  ClickLater(QStringLiteral("&Nein"), &seen);
  EXPECT_EQ(MessageBox("Weiter?", "Frage", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(seen.size(), 3);
}

TEST(QtDialogs, InputBoxTakesTheTypedTextOnlyOnOk) {
  QStringList buttons;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
      buttons.append(button->text());
    dialog->setTextValue(QString::fromUtf8("Widerst\xC3\xA4nde"));
    dialog->accept();
  });
  EXPECT_EQ(InputBox("Schnellsuche", "Bezeichnung = ", ""), "Widerst\xE4nde");
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{"Abbrechen", "OK"}));

  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_EQ(InputBox("Schnellsuche", "Bezeichnung = ", "alt"), "alt");
}

}  // namespace
