// Keys an edit keeps from the form (Enter, Esc) still reach its parent: posted to it as a
// key-down and key-up, so the form's default and cancel buttons answer them once.
#pragma once

#include "platform/controls/wincontrol.h"

void PostKeyToParent(TWinControl& Edit, WORD Key);
