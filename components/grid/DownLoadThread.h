// The background download of a picture given by web address. It starts at once, frees itself
// when it ends and reports to its picture on the GUI thread; a picture freed first lets go of
// it, and it reports nothing more.
#pragma once

#include <functional>
#include <memory>

#include "platform/core/download.h"

class THTMLPicture;

class TDownLoadThread {
 public:
  static void Start(THTMLPicture* Picture, const AnsiString& URL);
  // The picture goes: the download ends and frees itself.
  void Abandon();

 private:
  TDownLoadThread(THTMLPicture* Picture, const AnsiString& URL);
  void Finish(const std::function<void(THTMLPicture&)>& Report);

  THTMLPicture* picture_;
  bool reporting_ = false;
  std::unique_ptr<TDownload> download_;
};
