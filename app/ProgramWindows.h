// The program's windows, made at start in a fixed order; the first becomes the main window.
#pragma once

void CreateProgramWindows();
