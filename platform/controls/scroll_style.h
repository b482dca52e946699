// Which scroll bars a control offers.
#pragma once

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// How a control's scroll bars are drawn: as the system draws them, flat, or flat with a raised
// thumb.
enum TScrollBarLook { sbRegular, sbEncarta, sbFlat };
