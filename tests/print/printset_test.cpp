#include <cstring>

#include "platform/controls/print_dialogs.h"
#include "platform/winapi/gdi.h"
#include "printset_fixture.h"

namespace {

TEST_F(PrintSetTest, ReadsTheCurrentPrinterAndWhatItCanDo) {
  TXPrintSet set(nullptr);
  EXPECT_TRUE(set.GetPrintersAvailable());
  EXPECT_TRUE(set.GetIsNT());
  ASSERT_EQ(set.GetPrinterNames()->Count(), 2);
  EXPECT_EQ(set.GetPrinterNames()->Strings(1), "Mono");
  EXPECT_EQ(set.GetCurrentPrinter(), 0);
  TCurrentSettings* current = set.GetCurrentSettings();
  EXPECT_EQ(PrinterNameOf(current->GetRecord()), "Office");
  EXPECT_EQ(current->GetDevModeSize(), 156);
  EXPECT_EQ(current->GetPaper(), 9);
  EXPECT_EQ(current->GetPaperName(), "A4");
  EXPECT_EQ(current->GetTray(), 15);
  EXPECT_EQ(current->GetTrayName(), "Automatisch");
  EXPECT_EQ(current->GetResolutionName(), "600x600dpi\xB2");
  EXPECT_EQ(current->GetCopies(), 1);
  EXPECT_TRUE(current->GetColor());
  // The requested settings start from the printer's.
  EXPECT_EQ(std::memcmp(&set.GetNewSettings()->GetRecord(), &current->GetRecord(),
                        sizeof(TPrinterSettings)),
            0);

  const TCapabilities* caps = set.GetCapabilities();
  EXPECT_EQ(caps->GetMaxCopies(), 99);
  EXPECT_TRUE(caps->GetDuplexPossible());
  EXPECT_EQ(caps->GetMinExtent(), TPoint(900, 1300));
  EXPECT_EQ(caps->GetMaxExtent(), TPoint(3300, 5000));
  EXPECT_EQ(caps->GetColorDepth(), 32);
  ASSERT_EQ(caps->GetPapers()->GetCount(), 5);
  EXPECT_EQ(caps->GetPapers()->GetWidth(3), 1480);
  EXPECT_EQ(caps->GetPapers()->GetName(4), kLongPaperName);
  ASSERT_EQ(caps->GetTrays()->GetCount(), 3);
  EXPECT_EQ(caps->GetTrays()->GetName(2), "Unten");
  ASSERT_EQ(caps->GetResolutions()->GetCount(), 3);
  EXPECT_EQ(caps->GetResolutions()->GetHRes(2), 1200);
}

TEST_F(PrintSetTest, WithoutPrintersEverythingIsNeutral) {
  SetInstalledPrinters({});
  TXPrintSet set(nullptr);
  Watch(set);
  TPrinterSetupDialog dialog(nullptr);
  set.SetPrinterSetupDialog(&dialog);
  MessageLog log;
  log.Answer(mrOk);
  EXPECT_FALSE(set.GetPrintersAvailable());
  EXPECT_EQ(set.GetCurrentPrinter(), -1);
  EXPECT_EQ(set.PrinterIndexByName("Office"), -1);
  EXPECT_FALSE(set.GetCriticalPrinter());
  EXPECT_FALSE(set.ExecPrinterSetupDialog());
  EXPECT_EQ(log.printDialogs, 0);
  TCurrentSettings* current = set.GetCurrentSettings();
  current->SetCopies(3);
  EXPECT_EQ(current->GetCopies(), 1);
  EXPECT_EQ(current->GetPaper(), 9);
  EXPECT_EQ(current->GetTray(), 15);
  EXPECT_EQ(current->GetPaperIndex(), 0);
  EXPECT_EQ(current->GetResolutionName(), "");
  EXPECT_EQ(current->GetDevModeSize(), 0);
  EXPECT_FALSE(set.GetNewSettings()->SetPrinterSettings());
  EXPECT_EQ(current->SaveToFile(folder_ / "none.xps"), 2);
  EXPECT_EQ(current->LoadFromFile(folder_ / "none.xps"), 2);
  set.Loaded();
  EXPECT_EQ(events_, std::vector<AnsiString>{"none"});
  EXPECT_EQ(senders_[0], &set);
}

TEST_F(PrintSetTest, ChoosesPrintersByIndexAndName) {
  TXPrintSet set(nullptr);
  Watch(set);
  EXPECT_EQ(set.PrinterIndexByName("Mono"), 1);
  EXPECT_EQ(set.PrinterIndexByName("mono"), -1);
  EXPECT_EQ(set.PrinterIndexByName(""), -1);
  set.SetCurrentPrinter(1);
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_EQ(Printer()->GetPrinterIndex(), 1);
  EXPECT_EQ(PrinterNameOf(set.GetCurrentSettings()->GetRecord()), "Mono");
  EXPECT_EQ(PrinterNameOf(set.GetNewSettings()->GetRecord()), "Mono");
  EXPECT_EQ(set.GetCapabilities()->GetMaxCopies(), 5);
  EXPECT_EQ(set.GetCapabilities()->GetColorDepth(), 1);
  EXPECT_FALSE(set.GetCapabilities()->GetDuplexPossible());
  // No resolution list: the page's.
  ASSERT_EQ(set.GetCapabilities()->GetResolutions()->GetCount(), 1);
  EXPECT_EQ(set.GetCapabilities()->GetResolutions()->GetHRes(0), 300);
  set.SetCurrentPrinter(5);  // not a printer: nothing changes
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_TRUE(events_.empty());
}

TEST_F(PrintSetTest, ALinkedPrintingComponentFollowsThePrinter) {
  TXPrint xprint(nullptr);
  TXPrintSet set(nullptr);
  set.SetXPrint(&xprint);
  set.SetCurrentPrinter(1);
  EXPECT_EQ(xprint.GetCurrentPrinter(), 1);
  // A 300 dpi printer without edges: the margins' minimum is 0 and a dot is a dot.
  EXPECT_EQ(xprint.DotValX(300), 300);
}

TEST_F(PrintSetTest, CriticalPrinterFlags) {
  TXPrintSet set(nullptr);
  set.SetCriticalPrinter(1, true);
  set.SetCriticalPrinter(2, true);  // beyond the printers
  EXPECT_TRUE(set.IsCriticalPrinter(1));
  EXPECT_FALSE(set.IsCriticalPrinter(2));
  EXPECT_FALSE(set.IsCriticalPrinter(300));
  EXPECT_FALSE(set.IsCriticalPrinter(-1));
  EXPECT_FALSE(set.GetCriticalPrinter());
  set.SetCurrentPrinter(1);
  EXPECT_TRUE(set.GetCriticalPrinter());
  // A critical printer is not asked its colour depth, and its own device mode gives the
  // missing resolution.
  EXPECT_EQ(set.GetCapabilities()->GetColorDepth(), 1);
  ASSERT_EQ(set.GetCapabilities()->GetResolutions()->GetCount(), 1);
  EXPECT_EQ(set.GetCapabilities()->GetResolutions()->GetVRes(0), 300);
}

TEST_F(PrintSetTest, CurrentSettingsApplyAtOnceWhatThePrinterTakes) {
  TXPrintSet set(nullptr);
  TCurrentSettings* current = set.GetCurrentSettings();
  current->SetOrientation(poLandscape);
  EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
  EXPECT_EQ(current->GetOrientation(), poLandscape);
  current->SetCopies(5);
  current->SetCopies(0);
  current->SetCopies(100);
  EXPECT_EQ(current->GetCopies(), 5);
  EXPECT_EQ(Printer()->GetCopies(), 5);
  current->SetPaper(11);
  current->SetPaper(8);  // not listed
  EXPECT_EQ(current->GetPaper(), 11);
  EXPECT_EQ(current->GetPaperIndex(), 3);
  EXPECT_EQ(current->GetPaperLength(), 2100);
  EXPECT_EQ(Printer()->GetSetup().Paper, TSize(1480, 2100));
  current->SetPaperIndex(4);
  // The form name keeps its terminating NUL.
  EXPECT_EQ(AnsiString(current->GetRecord().DevMode.dmFormName), kLongPaperName.substr(0, 31));
  current->SetTrayIndex(2);
  current->SetTray(7);  // not listed
  EXPECT_EQ(current->GetTray(), 2);
  EXPECT_EQ(Printer()->GetSetup().Tray, 2);
  current->SetResolutionIndex(2);
  current->SetResolutionIndex(3);
  EXPECT_EQ(current->GetResolutionName(), "1200x600dpi\xB2");
  EXPECT_EQ(Printer()->GetSetup().Resolution, 1200);
  current->SetDuplex(DuplexHorizontal);
  EXPECT_EQ(Printer()->GetSetup().Duplex, pdShortEdge);
  current->SetCollate(true);
  EXPECT_TRUE(Printer()->GetSetup().Collate);
  EXPECT_EQ(current->GetRecord().DevMode.dmFields & (DM_ORIENTATION | DM_COPIES | DM_PAPERSIZE),
            DM_ORIENTATION | DM_COPIES | DM_PAPERSIZE);

  set.SetCurrentPrinter(1);
  current->SetColor(true);     // no colour on a one-bit printer
  current->SetDuplex(DuplexVertical);  // nor duplex without it
  EXPECT_FALSE(current->GetColor());
  EXPECT_EQ(current->GetDuplex(), DuplexOff);
  // A resolution pair not in the list has no index and no name.
  DEVMODEA& mode = const_cast<DEVMODEA&>(current->GetRecord().DevMode);
  mode.dmPrintQuality = 123;
  EXPECT_EQ(current->GetResolutionIndex(), -1);
  EXPECT_EQ(current->GetResolutionName(), "");
}

TEST_F(PrintSetTest, RequestedValuesFallBackAndSayWhy) {
  TXPrintSet set(nullptr);
  TNewSettings* wanted = set.GetNewSettings();
  wanted->Orientation = poLandscape;
  wanted->Copies = 0;
  wanted->Paper = 8;  // A3: not listed
  wanted->Tray = -1;
  wanted->ResolutionIndex = 7;
  EXPECT_TRUE(wanted->SetPrinterSettings());
  EXPECT_EQ(wanted->Failures, (TSetFailures{sfCopies, sfPaper, sfTray, sfResolution}));
  EXPECT_EQ(wanted->Copies, 1);
  EXPECT_EQ(wanted->Paper, 9);
  EXPECT_EQ(wanted->Tray, 15);
  EXPECT_EQ(wanted->ResolutionIndex, 0);
  // The printer has them, and the current settings read them back.
  EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
  EXPECT_EQ(Printer()->GetSetup().Resolution, 300);
  EXPECT_EQ(set.GetCurrentSettings()->GetOrientation(), poLandscape);
  EXPECT_EQ(set.GetCurrentSettings()->GetResolutionIndex(), 0);
  EXPECT_TRUE(set.GetCurrentSettings()->GetCollate());

  wanted->Copies = 120;
  wanted->Color = true;
  EXPECT_TRUE(wanted->SetPrinterSettings());
  EXPECT_EQ(wanted->Failures, TSetFailures{sfCopies});
  EXPECT_EQ(wanted->Copies, 99);
  EXPECT_EQ(set.GetCurrentSettings()->GetCopies(), 99);

  // On a printer without A4 the driver's paper stays; colour and duplex are refused.
  set.SetCurrentPrinter(1);
  wanted->Paper = 9;
  wanted->Tray = 15;
  wanted->Color = true;
  wanted->Duplex = DuplexVertical;
  wanted->Copies = 3;
  wanted->ResolutionIndex = 0;
  EXPECT_TRUE(wanted->SetPrinterSettings());
  EXPECT_EQ(wanted->Failures, (TSetFailures{sfColor, sfDuplex, sfPaper, sfTray}));
  EXPECT_FALSE(wanted->Color);
  EXPECT_EQ(wanted->Duplex, DuplexOff);
  EXPECT_EQ(set.GetCurrentSettings()->GetPaper(), 1);
  EXPECT_EQ(set.GetCurrentSettings()->GetCopies(), 3);
  EXPECT_EQ(Printer()->GetPageWidth(), 3300);  // US Letter across, at 300 dpi
}

TEST_F(PrintSetTest, RequestedPaperIsNamedFromTheTable) {
  TXPrintSet set(nullptr);
  TNewSettings* wanted = set.GetNewSettings();
  wanted->Paper = 1;
  EXPECT_EQ(wanted->GetPaperName(), "Letter");
  EXPECT_EQ(wanted->GetPaperNameEx(), "Letter 8\xBD\"x11\"");
  EXPECT_EQ(wanted->GetPaperWidth(), 2159);
  wanted->Paper = 42;
  EXPECT_EQ(wanted->GetPaperName(), "");
  EXPECT_EQ(wanted->GetPaperLength(), 0);
  TStringList list;
  wanted->GetPaperList(&list, true);
  ASSERT_EQ(list.Count(), 41);
  EXPECT_EQ(list.Strings(8), "A4 210x297mm\xB2");
  EXPECT_EQ(list.Strings(15), "10\"x14\" 10\"x14\"");
  wanted->GetPaperList(&list, false);
  EXPECT_EQ(list.Strings(40), "German Legal Fanfold");
}

TEST_F(PrintSetTest, ChooseAndSetTakesTheRecordsPrinter) {
  TXPrintSet set(nullptr);
  Watch(set);
  set.SetCurrentPrinter(1);
  set.GetCurrentSettings()->SetCopies(4);
  TPrinterSettings mono = set.GetCurrentSettings()->GetRecord();
  set.SetCurrentPrinter(0);
  TNewSettings* settings = set.GetNewSettings();
  EXPECT_TRUE(settings->ChooseAndSet(mono));
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_EQ(Printer()->GetCopies(), 4);
  ASSERT_EQ(events_, std::vector<AnsiString>{"changed"});
  EXPECT_EQ(senders_[0], settings);
  // The same printer again: no change to tell; its own record serves as well.
  ASSERT_TRUE(set.GetCurrentSettings()->GetPrinterSettings2());
  EXPECT_TRUE(set.GetCurrentSettings()->ChooseAndSet(set.GetCurrentSettings()->GetRecord()));
  EXPECT_EQ(Printer()->GetCopies(), 4);
  EXPECT_EQ(events_.size(), 1u);
  // A printer that is not installed: false, nothing changes.
  mono.PrinterName[1] = 'X';
  EXPECT_FALSE(settings->ChooseAndSet(mono));
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_EQ(events_.size(), 1u);
}

TEST_F(PrintSetTest, PrintersThatRefuseSettingsAreReported) {
  TXPrintSet set(nullptr);
  Watch(set);
  Printer()->BeginDoc();
  set.GetCurrentSettings()->SetOrientation(poLandscape);
  Printer()->Abort();
  ASSERT_EQ(events_, std::vector<AnsiString>{"write"});
  EXPECT_EQ(senders_[0], set.GetCurrentSettings());
  EXPECT_EQ(Printer()->GetOrientation(), poPortrait);
}

TEST_F(PrintSetTest, SetupDialogReadsEverythingAgain) {
  TXPrintSet set(nullptr);
  Watch(set);
  EXPECT_FALSE(set.ExecPrinterSetupDialog());  // no dialog linked
  auto* dialog = new TPrinterSetupDialog(nullptr);
  set.SetPrinterSetupDialog(dialog);
  MessageLog log;
  log.Answer(mrCancel);
  EXPECT_FALSE(set.ExecPrinterSetupDialog());
  log.AnswerPrint([](PrintDialogRequest& r) {
    EXPECT_TRUE(r.setupOnly);
    EXPECT_EQ(r.printers.size(), 2u);
    r.settings.Orientation = poLandscape;
  });
  EXPECT_TRUE(set.ExecPrinterSetupDialog());
  EXPECT_EQ(set.GetCurrentSettings()->GetOrientation(), poLandscape);
  EXPECT_EQ(set.GetNewSettings()->GetOrientation(), poLandscape);
  EXPECT_TRUE(events_.empty());
  log.Answer("Mono");
  EXPECT_TRUE(set.ExecPrinterSetupDialog());
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_EQ(set.GetCapabilities()->GetMaxCopies(), 5);
  ASSERT_EQ(events_, std::vector<AnsiString>{"changed"});
  EXPECT_EQ(senders_[0], &set);
  EXPECT_EQ(log.printDialogs, 3);
  delete dialog;  // the component forgets it
  EXPECT_EQ(set.GetPrinterSetupDialog(), nullptr);
  EXPECT_FALSE(set.ExecPrinterSetupDialog());
}

TEST_F(PrintSetTest, PrintDialogChoosesLikeTheSetupDialog) {
  TXPrintSet set(nullptr);
  TPrintDialog dialog(nullptr);
  set.SetPrintDialog(&dialog);
  MessageLog log;
  log.AnswerPrint([](PrintDialogRequest& r) {
    EXPECT_FALSE(r.setupOnly);
    r.printerIndex = 1;
    r.settings.Copies = 2;
  });
  EXPECT_TRUE(set.ExecPrintDialog());
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_EQ(set.GetCurrentSettings()->GetCopies(), 2);
}

}  // namespace
