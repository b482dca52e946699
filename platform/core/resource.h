// The program's resources: data built into the program under a type and a name, as Qt's
// resource system keeps them (":/<TYPE>/<NAME>"). Names compare without case, as resource
// names always have; a number is the name "#<number>".
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/text.h"

using HINSTANCE = intptr_t;

// The program's own module; the only one whose resources can be read.
inline constexpr HINSTANCE HInstance = 0;
inline constexpr const char* RT_RCDATA = "RCDATA";

AnsiString MakeIntResource(int id);
// Fills `data` with the resource's bytes; false when the program has no such resource.
bool FindResourceData(HINSTANCE instance, const AnsiString& name, const AnsiString& type,
                      std::vector<uint8_t>& data);
