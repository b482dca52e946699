#include "platform/core/username.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string LoginName() {
  if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_name && *user->pw_name)
    return user->pw_name;
  const char* env = std::getenv("USER");
  return env ? env : "";
}

}  // namespace

bool GetUserNameA(char* buffer, unsigned long* size) {
  if (!size) return false;
  std::string name = LoginName();
  if (name.empty()) return false;
  unsigned long needed = name.size() + 1;
  if (!buffer || *size < needed) {
    *size = needed;
    return false;
  }
  std::memcpy(buffer, name.c_str(), needed);
  *size = needed;
  return true;
}
