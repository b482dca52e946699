// The clipboard. Text travels in the program's code page with CR LF line ends; any format,
// the program's own registered ones included, can be put and taken as raw bytes. Between Open
// and Close every format set joins one clipboard content instead of replacing the last.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/object.h"
#include "platform/core/text.h"

class QMimeData;

enum : unsigned { CF_TEXT = 1, CF_BITMAP = 2, CF_OEMTEXT = 7, CF_DIB = 8, CF_UNICODETEXT = 13,
                  CF_HDROP = 15 };

// A format of the program's own, from 0xC000 up; the same name (without case) gives the same
// number. Each travels as a MIME type of its own.
unsigned RegisterClipboardFormat(const AnsiString& name);

class TClipboard : public TObject {
 public:
  TClipboard();
  ~TClipboard() override;

  void Open();
  void Close();
  void Clear();

  bool HasFormat(unsigned format) const;
  AnsiString GetAsText() const;
  void SetAsText(const AnsiString& text);
  // The text up to the buffer's terminating zero.
  void SetTextBuf(const char* buffer) { SetAsText(buffer ? buffer : ""); }
  // Text formats come with their terminating zero (two for CF_UNICODETEXT, in UTF-16).
  std::vector<uint8_t> GetAsBytes(unsigned format) const;
  void SetAsBytes(unsigned format, const std::vector<uint8_t>& bytes);

 private:
  QMimeData& Content();  // what Set adds to: the open batch, or a new content
  void Publish();

  int openCount_ = 0;
  std::unique_ptr<QMimeData> pending_;
};

// The program's one clipboard.
TClipboard* Clipboard();
