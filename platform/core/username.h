// The operator's name as Windows' GetUserNameA gives it: the login name of the user the
// program runs as (else $USER). `size` holds the buffer's length; on success it becomes the
// name's length with its terminating NUL. A buffer too small fails and reports in `size` the
// length needed.
#pragma once

bool GetUserNameA(char* buffer, unsigned long* size);
