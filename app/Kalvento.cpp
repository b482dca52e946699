// The program: the engine, the application object, the windows, and the message loop until the
// main window closes.
#include "app/Kalventohaupt.h"
#include "app/ProgramWindows.h"
#include "platform/controls/application.h"
#include "platform/controls/dialog_language.h"

int main(int argc, char** argv) {
  KalventohauptInitialization();
  Application->Initialize(argc, argv);
  UseDialogLanguage("de");  // the program speaks German, and so do the system's dialogs
  Application->HandleEvent([] {
    CreateProgramWindows();
    Application->Run();
  });
  Application->Shutdown();
  KalventohauptFinalization();
  return 0;
}
