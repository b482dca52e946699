// An ODBC handle (environment, connection or statement) freed with its owner, so a failure
// half way through opening leaves none behind. Kept free of the ODBC headers.
#pragma once

class OdbcHandle {
 public:
  explicit OdbcHandle(short Type) : type_(Type) {}
  ~OdbcHandle();
  OdbcHandle(const OdbcHandle&) = delete;
  OdbcHandle& operator=(const OdbcHandle&) = delete;

  // Called once; SQLAllocHandle's answer, and the handle is kept only when it succeeds.
  short Allocate(void* Parent);
  void* Get() const { return handle_; }

 private:
  short type_;
  void* handle_ = nullptr;
};
