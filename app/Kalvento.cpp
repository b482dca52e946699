// The program: the engine, the application object, the windows, and the message loop until the
// main window closes.
#include "app/Kalventohaupt.h"
#include "app/ProgramWindows.h"
#include "platform/controls/application.h"

int main(int argc, char** argv) {
  KalventohauptInitialization();
  Application->Initialize(argc, argv);
  Application->HandleEvent([] {
    CreateProgramWindows();
    Application->Run();
  });
  Application->Shutdown();
  KalventohauptFinalization();
  return 0;
}
