// The system's version as Windows' GetVersionExA reports it. This layer is the NT platform
// (platform id 2), version 5.1: the newest the program's code knows to ask about.
#pragma once

#include <cstdint>

enum : uint32_t { VER_PLATFORM_WIN32s = 0, VER_PLATFORM_WIN32_WINDOWS = 1,
                  VER_PLATFORM_WIN32_NT = 2 };

struct OSVERSIONINFOA {
  uint32_t dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  uint32_t dwMajorVersion = 0;
  uint32_t dwMinorVersion = 0;
  uint32_t dwBuildNumber = 0;
  uint32_t dwPlatformId = 0;
  char szCSDVersion[128] = {};
};

// False unless dwOSVersionInfoSize holds the record's size.
bool GetVersionExA(OSVERSIONINFOA* info);
