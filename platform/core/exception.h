// The class library's exception root, the conversion error of the text functions and the
// index error of lists.
#pragma once

#include <exception>

#include "platform/core/text.h"

class Exception : public std::exception {
 public:
  explicit Exception(AnsiString message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  AnsiString Message;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EListError : public Exception {
 public:
  using Exception::Exception;
};
