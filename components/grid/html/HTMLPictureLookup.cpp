#include "components/grid/html/HTMLPictureLookup.h"

THTMLPicture* FindHTMLPicture(const AnsiString& Name, const TPictureContainer* Container,
                              THTMLPictureCache* Cache) {
  if (Name.find(':') == AnsiString::npos) return Container ? Container->FindPicture(Name) : nullptr;
  if (Name.find("://") == AnsiString::npos || !Cache) return nullptr;
  if (THTMLPicture* cached = Cache->FindPicture(Name)) return cached;
  try {
    Cache->AddPicture()->LoadFromURL(Name);
  } catch (const Exception&) {
  }
  return Cache->FindPicture(Name);
}

AnsiString HTMLPictureName(const AnsiString& Source) {
  return Source.find(':') == AnsiString::npos ? UpperCase(Source) : Source;
}
