// Fetches the bytes at a web address in the background. The transfer runs while the message
// loop does, so nothing waits for it; its events fire on the GUI thread. Freeing the download,
// even inside one of its events, ends it and fires nothing more.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/core/text.h"

class TDownload {
 public:
  // Starts at once.
  explicit TDownload(const AnsiString& url);
  ~TDownload();
  TDownload(const TDownload&) = delete;
  TDownload& operator=(const TDownload&) = delete;

  // Bytes received so far and in all (-1 while unknown).
  std::function<void(int64_t received, int64_t total)> OnProgress;
  std::function<void(std::vector<uint8_t>& data)> OnComplete;
  // A failed transfer or an error answer of the server.
  std::function<void(const AnsiString& message)> OnError;

 private:
  struct Transfer;
  std::unique_ptr<Transfer> transfer_;
};
