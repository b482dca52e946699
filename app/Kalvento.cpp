// The program: the engine, the application object, the windows, and the message loop until the
// main window closes.
#include "app/KalventoFenster.h"
#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

int main(int argc, char** argv) {
  KalventohauptInitialisierung();
  Application->Initialize(argc, argv);
  Application->HandleEvent([] {
    KalventoFensterErzeugen();
    Application->Run();
  });
  Application->Shutdown();
  KalventohauptFinalisierung();
  return 0;
}
