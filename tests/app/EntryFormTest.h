// Fixture of the entry form's tests: the list window's generated parts table, shown with its
// 30 hits, and the entry form beside it, shown without a modal loop of its own on the record
// or the new record the test hands it, then driven by real clicks.
#pragma once

#include <QTimer>

#include <functional>
#include <map>

#include "ListWindowTest.h"
#include "app/Kalvento_maske.h"
#include "platform/core/files.h"

class EntryForm : public ListWindow {
 protected:
  void SetUp() override {
    ListWindow::SetUp();
    frmKalvento_Maske = &form;
    dbm_dublettenpruefung = 1;
    Show();
    log.texts.clear();
  }
  void TearDown() override {
    if (form.GetVisible()) form.Close();
    frmKalvento_Maske = nullptr;
    maske_neu = maske_speicherfehler = 0;
    dbase_gesperrt = 0;
    ListWindow::TearDown();
  }

  // The form on the hit at index position `position`, as the list hands it over.
  void Open(long position) {
    dbase_indexposition = position;
    dbase_satznummer = dbase_indexdsnr(position);
    form.Show();
  }
  void OpenNew() {
    dbase_neuersatz = 1;
    form.Show();
  }

  // Fields of record n rewritten as texts.
  static void Store(long n, const std::map<int, AnsiString>& values) {
    ASSERT_EQ(dbase_lesen(n), 1);
    for (const auto& [field, text] : values) dbase_feldschreibenAnsi(text, field);
    ASSERT_EQ(dbase_schreiben(n), 1);
  }
  // A field of record n as the engine shows it; "" for a deleted record.
  static AnsiString Stored(long n, int field) {
    dbase_lesen(n);
    return dbase_trAnsi(field);
  }
  static bool Locked(long n) { return FileExists(DbaseLockFileName(DbmLockBase(), n)); }
  // Another operator's lock of today on record n.
  static void LockAsOther(long n) { ASSERT_EQ(dbase_sperren(DbmLockBase(), n, "fremd"), 0); }

  // What the user does once the list has shown the form modally; the form then closes.
  void WhenShown(std::function<void()> act) {
    TNotifyEvent activate = form.OnActivate;
    form.OnActivate = [this, activate, act](TObject* Sender) {
      activate(Sender);
      QTimer::singleShot(0, [this, act] {
        act();
        if (form.GetVisible()) form.Close();
      });
      form.OnActivate = activate;  // frees this handler: nothing of it is used after
    };
  }

  static void Type(TExtEdit* edit, const AnsiString& text) { edit->SetText(text); }
  AnsiString Last() const { return log.texts.empty() ? "" : log.texts.back(); }

  static constexpr const char* kNotSaved =
      "Eventuelle \xC4nderungen in diesem Datensatz wurden nicht gespeichert";

  TfrmKalvento_Maske form{nullptr};
};
