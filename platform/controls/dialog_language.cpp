#include "platform/controls/dialog_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/core/qt/qt_text.h"

bool UseDialogLanguage(const AnsiString& language) {
  // One translator for the program's life; a later language replaces the earlier one.
  static QTranslator* translator = nullptr;
  auto* next = new QTranslator(QCoreApplication::instance());
  if (!next->load("qtbase_" + ToQString(language),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete next;
    return false;
  }
  if (translator) QCoreApplication::removeTranslator(translator);
  QCoreApplication::installTranslator(next);
  delete translator;
  translator = next;
  return true;
}
