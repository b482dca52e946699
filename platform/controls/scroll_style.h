// Which scroll bars a control offers.
#pragma once

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
