// The debugger's output window: diagnostic lines a program writes for its developer. Here they
// go to the standard error stream.
#pragma once

#include "platform/core/text.h"

void OutputDebugString(const AnsiString& text);
