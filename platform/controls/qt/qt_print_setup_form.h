// The print and printer-setup dialog: the printer, for a printer that writes a file the file,
// the paper and tray from the chosen printer's own lists, the orientation, copies, the pages
// and, where the printer can, both sides and colour. Private to platform/.
#pragma once

#include <QDialog>

#include "platform/controls/dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PrintSetupForm : public QDialog {
 public:
  explicit PrintSetupForm(const PrintDialogRequest& request, QWidget* parent = nullptr);

  // The user's choice into the request: the printer, its setup and its file. Only what the
  // user changed leaves the printer's own: an untouched paper or tray stays the printer's.
  void TakeChoice(PrintDialogRequest& request) const;

  QLabel* note = nullptr;  // only where the request has one
  QComboBox* printers;
  QLineEdit* file;
  QPushButton* browse;
  QComboBox* paper;
  QComboBox* tray;
  QRadioButton* portrait;
  QRadioButton* landscape;
  QSpinBox* copies;
  QCheckBox* collate;
  QRadioButton* allPages;
  QRadioButton* somePages;
  QSpinBox* fromPage;
  QSpinBox* toPage;
  QComboBox* sides;
  QCheckBox* color;
  QPushButton* ok;

 protected:
  // A file printer's file that exists is replaced only when the user says so (once for the
  // name "Durchsuchen..." asked about already).
  void accept() override;

 private:
  void Build(bool setupOnly);
  // Shows what the printer of that index offers, starting from the setup given.
  void ShowPrinter(int index, const TPrintSetup& setup);
  void ChooseFile();
  TPrintSetup Shown() const;
  const TPrintDeviceInfo& Info(int index) const;

  PrintDialogRequest request_;  // as it came in; the files change as the user edits them
  int shown_ = -1;              // the printer whose lists are shown
  int shownPaper_ = -1;         // what the lists showed for it before the user acted
  int shownTray_ = -1;
  TPrintSetup start_;  // the setup the printer shown started from
  QString confirmed_;  // the file the file dialog's question confirmed
};
