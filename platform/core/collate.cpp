#include "platform/core/collate.h"

#include <QCollator>
#include <QLocale>
#include <optional>

#include "platform/core/qt/qt_text.h"

namespace {

// Making a collator is costly: one per case mode, made again when the default locale changes.
QCollator& CollatorFor(bool caseSensitive) {
  static std::optional<QCollator> cached[2];
  std::optional<QCollator>& slot = cached[caseSensitive ? 1 : 0];
  const QLocale current;
  if (!slot || slot->locale() != current) {
    slot.emplace(current);
    slot->setCaseSensitivity(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
  }
  return *slot;
}

}  // namespace

int LocaleCompare(const AnsiString& a, const AnsiString& b, bool CaseSensitive) {
  if (a == b) return 0;
  const int result = CollatorFor(CaseSensitive).compare(ToQString(a), ToQString(b));
  return (result > 0) - (result < 0);
}
