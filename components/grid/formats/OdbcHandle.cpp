#include "components/grid/formats/OdbcHandle.h"

#include <sql.h>

OdbcHandle::~OdbcHandle() {
  if (handle_) SQLFreeHandle(type_, handle_);
}

short OdbcHandle::Allocate(void* Parent) {
  SQLHANDLE handle = SQL_NULL_HANDLE;
  const SQLRETURN result = SQLAllocHandle(type_, Parent, &handle);
  if (SQL_SUCCEEDED(result)) handle_ = handle;
  return result;
}
