// Where a picture comes from: the program's resources, files, and web addresses.
#include "components/grid/html/DownLoadThread.h"
#include "components/grid/html/HTMLPicture.h"

namespace {

bool HasPrefix(const AnsiString& URL, const AnsiString& Prefix) {
  return UpperCase(URL.substr(0, Prefix.size())) == Prefix;
}

}  // namespace

void THTMLPicture::LoadFromResourceName(HINSTANCE Instance, const AnsiString& Name) {
  std::vector<uint8_t> data;
  if (!FindResourceData(Instance, Name, RT_RCDATA, data)) return;
  TakeData(std::move(data));
  Changed();
}

void THTMLPicture::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  LoadFromResourceName(Instance, MakeIntResource(ResID));
}

// Only the prefixes compare without case: a path keeps its case, which file systems tell
// apart; resource names are upper case anyway.
void THTMLPicture::LoadFromURL(const AnsiString& URL) {
  url_ = URL;
  id_ = URL;
  static const AnsiString resource = "RES://", file = "FILE://";
  if (HasPrefix(URL, resource)) return LoadFromResourceName(HInstance, URL.substr(resource.size()));
  if (HasPrefix(URL, file)) return LoadFromFile(URL.substr(file.size()));
  if (!URL.empty() && asynch_ && !downloading_) TDownLoadThread::Start(this, URL);
}
