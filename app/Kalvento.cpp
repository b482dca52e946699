// The program: the application object, the main window, and the message loop until it closes.
#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

int main(int argc, char** argv) {
  Application->Initialize(argc, argv);
  Application->HandleEvent([] {
    Application->CreateForm(frmKalventoHaupt);
    Application->Run();
  });
  Application->Shutdown();
  return 0;
}
