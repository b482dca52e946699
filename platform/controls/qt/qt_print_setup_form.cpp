#include "platform/controls/qt/qt_print_setup_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

#include "platform/core/qt/qt_file_name.h"
#include "platform/core/qt/qt_text.h"

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The trays CUPS names by keyword, as the program's language calls them; others as named.
QString TrayName(const AnsiString& name) {
  static const struct {
    const char* keyword;
    const char* german;  // UTF-8
  } kTrays[] = {{"top", "Oberes Fach"},
                {"middle", "Mittleres Fach"},
                {"bottom", "Unteres Fach"},
                {"main", "Hauptfach"},
                {"manual", "Manuelle Zufuhr"},
                {"envelope", "Umschlagzufuhr"},
                {"auto", "Automatisch"},
                {"large-capacity", "Gro\xC3\x9Fraumfach"},
                {"tractor", "Traktor"}};
  for (const auto& tray : kTrays)
    if (name == tray.keyword) return Text(tray.german);
  return ToQString(name);
}

// The position of the setup's paper in the printer's list: the one it names, else one of its
// size, else the printer's own.
int PaperIndex(const TPrintDeviceInfo& info, const TPrintSetup& setup) {
  const TPaperInfo* paper = FindPaper(info, setup.PaperNumber, setup.PaperName);
  for (const TPaperInfo& listed : info.Papers)
    if (!paper && setup.Paper.cx > 0 && listed.Size == setup.Paper) paper = &listed;
  if (!paper) paper = FindPaper(info, info.DefaultPaper, info.DefaultPaperName);
  return paper ? static_cast<int>(paper - info.Papers.data()) : 0;
}

int TrayIndex(const TPrintDeviceInfo& info, const TPrintSetup& setup) {
  for (int tray : {setup.Tray, info.DefaultTray})
    for (size_t i = 0; i < info.Trays.size(); ++i)
      if (tray != 0 && info.Trays[i].Number == tray) return static_cast<int>(i);
  return 0;
}

// Widgets one beside or below the other, each with its stretch where one is given.
QBoxLayout* Line(QBoxLayout::Direction direction, std::initializer_list<QWidget*> widgets,
                 std::initializer_list<int> stretches = {}) {
  auto* line = new QBoxLayout(direction);
  auto stretch = stretches.begin();
  for (QWidget* widget : widgets)
    line->addWidget(widget, stretch != stretches.end() ? *stretch++ : 0);
  return line;
}

QGroupBox* Group(const char* title, QLayout* layout) {
  auto* group = new QGroupBox(Text(title));
  group->setLayout(layout);
  return group;
}

}  // namespace

PrintSetupForm::PrintSetupForm(const PrintDialogRequest& request, QWidget* parent)
    : QDialog(parent), request_(request) {
  request_.files.resize(request_.printers.size());
  Build(request.setupOnly);
  if (request_.printers.empty()) return;
  for (const AnsiString& name : request_.printers) printers->addItem(ToQString(name));
  const int index = std::clamp(request.printerIndex, 0, int(request_.printers.size()) - 1);
  printers->setCurrentIndex(index);
  ShowPrinter(index, request.settings);
  // Another printer starts from its own setup; what the user chose of the job stays.
  connect(printers, &QComboBox::currentIndexChanged, this, [this](int next) {
    if (next < 0 || next == shown_) return;
    request_.files[shown_] = FileNameFromQString(file->text());
    ShowPrinter(next, SetupForPrinter(Info(next), Shown()));
  });
  connect(browse, &QPushButton::clicked, this, &PrintSetupForm::ChooseFile);
}

void PrintSetupForm::Build(bool setupOnly) {
  setWindowTitle(Text(setupOnly ? "Druckereinrichtung" : "Drucken"));
  printers = new QComboBox;
  file = new QLineEdit;
  browse = new QPushButton(Text("Du&rchsuchen..."));
  auto* printer = new QGridLayout;
  auto* name = new QLabel(Text("&Name:"));
  name->setBuddy(printers);
  auto* fileLabel = new QLabel(Text("&Datei:"));
  fileLabel->setBuddy(file);
  printer->addWidget(name, 0, 0);
  printer->addWidget(printers, 0, 1, 1, 2);
  printer->addWidget(fileLabel, 1, 0);
  printer->addWidget(file, 1, 1);
  printer->addWidget(browse, 1, 2);
  printer->setColumnStretch(1, 1);

  paper = new QComboBox;
  tray = new QComboBox;
  auto* papers = new QFormLayout;
  papers->addRow(Text("&Gr\xC3\xB6\xC3\x9F" "e:"), paper);
  papers->addRow(Text("&Quelle:"), tray);
  portrait = new QRadioButton(Text("&Hochformat"));
  landscape = new QRadioButton(Text("Q&uerformat"));
  QBoxLayout* paperRow =
      Line(QBoxLayout::LeftToRight,
           {Group("Papier", papers),
            Group("Ausrichtung", Line(QBoxLayout::TopToBottom, {portrait, landscape}))},
           {2, 1});

  copies = new QSpinBox;
  collate = new QCheckBox(Text("&Sortieren"));
  auto* copyRows = new QFormLayout;
  copyRows->addRow(Text("&Anzahl:"), copies);
  copyRows->addRow(collate);
  allPages = new QRadioButton(Text("A&lle Seiten"));
  somePages = new QRadioButton(Text("S&eiten von"));
  fromPage = new QSpinBox;
  toPage = new QSpinBox;
  for (QSpinBox* page : {fromPage, toPage}) page->setRange(1, 9999);
  QBoxLayout* range = Line(QBoxLayout::TopToBottom, {allPages});
  range->addLayout(
      Line(QBoxLayout::LeftToRight, {somePages, fromPage, new QLabel(Text("bis")), toPage}));
  QBoxLayout* copyRow = Line(QBoxLayout::LeftToRight,
                             {Group("Exemplare", copyRows), Group("Druckbereich", range)}, {1, 2});

  sides = new QComboBox;
  sides->addItems({Text("Nein"), Text("Lange Kante"), Text("Kurze Kante")});
  color = new QCheckBox(Text("&Farbig"));
  auto* options = new QHBoxLayout;
  auto* sidesLabel = new QLabel(Text("&Beidseitig:"));
  sidesLabel->setBuddy(sides);
  options->addWidget(sidesLabel);
  options->addWidget(sides);
  options->addSpacing(24);
  options->addWidget(color);
  options->addStretch();

  auto* buttons = new QDialogButtonBox;
  ok = buttons->addButton(Text("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  if (!request_.note.empty()) {
    note = new QLabel(ToQString(request_.note));
    layout->addWidget(note);
  }
  layout->addWidget(Group("Drucker", printer));
  layout->addLayout(paperRow);
  layout->addLayout(copyRow);
  layout->addWidget(Group("Optionen", options));
  layout->addWidget(buttons);
  ok->setDefault(true);  // once in the dialog, which keeps it as its own default

  // The pages of a range are chosen by choosing a range.
  auto ranged = [this] {
    fromPage->setEnabled(somePages->isChecked());
    toPage->setEnabled(somePages->isChecked());
  };
  connect(somePages, &QRadioButton::toggled, this, ranged);
  connect(fromPage, &QSpinBox::valueChanged, this, [this](int from) {
    if (toPage->value() < from) toPage->setValue(from);
  });
  connect(copies, &QSpinBox::valueChanged, this, [this](int n) { collate->setEnabled(n > 1); });
  ranged();
}

const TPrintDeviceInfo& PrintSetupForm::Info(int index) const {
  static const TPrintDeviceInfo kUnknown;
  const TPrintDeviceInfo* info = request_.infoOf ? request_.infoOf(index) : nullptr;
  return info ? *info : kUnknown;
}

void PrintSetupForm::ShowPrinter(int index, const TPrintSetup& setup) {
  const TPrintDeviceInfo& info = Info(index);
  shown_ = index;
  start_ = setup;
  paper->clear();
  for (const TPaperInfo& listed : info.Papers) paper->addItem(ToQString(listed.Name));
  paper->setCurrentIndex(info.Papers.empty() ? -1 : PaperIndex(info, setup));
  tray->clear();
  for (const TTrayInfo& listed : info.Trays) tray->addItem(TrayName(listed.Name));
  tray->setCurrentIndex(info.Trays.empty() ? -1 : TrayIndex(info, setup));
  shownPaper_ = paper->currentIndex();
  shownTray_ = tray->currentIndex();

  (setup.Orientation == poLandscape ? landscape : portrait)->setChecked(true);
  copies->setRange(1, std::max(1, info.MaxCopies));
  copies->setValue(setup.Copies);
  copies->setEnabled(info.MaxCopies > 1);
  collate->setChecked(setup.Collate);
  collate->setEnabled(copies->isEnabled() && copies->value() > 1);
  (setup.FromPage > 0 ? somePages : allPages)->setChecked(true);
  fromPage->setValue(std::max(1, setup.FromPage));
  toPage->setValue(std::max(setup.FromPage, setup.ToPage));
  sides->setCurrentIndex(info.Duplex ? static_cast<int>(setup.Duplex) : 0);
  sides->setEnabled(info.Duplex);
  color->setChecked(info.Color && setup.Color);
  color->setEnabled(info.Color);

  const bool writesFile = !request_.files[index].empty();
  file->setText(FileNameToQString(request_.files[index]));
  file->setEnabled(writesFile);
  browse->setEnabled(writesFile);
}

void PrintSetupForm::ChooseFile() {
  FileDialogRequest choice;
  choice.save = true;
  choice.title = "In Datei drucken";
  choice.filter = "PDF-Dateien (*.pdf)|*.pdf";
  choice.defaultExt = "pdf";
  // The file dialog speaks the program's texts.
  choice.fileName = FromQString(file->text());
  choice.overwritePrompt = true;
  if (ExecuteFileDialog(choice) && !choice.fileName.empty()) {
    file->setText(ToQString(choice.fileName));
    confirmed_ = file->text();
  }
}

void PrintSetupForm::accept() {
  const QString name = file->text();
  if (shown_ >= 0 && !request_.files[shown_].empty() && name != confirmed_ &&
      !MayReplaceFile(FileNameFromQString(QFileInfo(name).absoluteFilePath())))
    return;
  QDialog::accept();
}

// What the dialog shows of the job: the setup the printer started from with the user's
// orientation, copies and pages.
TPrintSetup PrintSetupForm::Shown() const {
  TPrintSetup setup = start_;
  setup.Orientation = landscape->isChecked() ? poLandscape : poPortrait;
  setup.Copies = copies->value();
  setup.Collate = collate->isChecked();
  setup.FromPage = somePages->isChecked() ? fromPage->value() : 0;
  setup.ToPage = somePages->isChecked() ? std::max(fromPage->value(), toPage->value()) : 0;
  return setup;
}

void PrintSetupForm::TakeChoice(PrintDialogRequest& request) const {
  if (shown_ < 0) return;
  const TPrintDeviceInfo& info = Info(shown_);
  TPrintSetup setup = Shown();
  if (info.Duplex) setup.Duplex = static_cast<TPrintDuplex>(sides->currentIndex());
  if (info.Color) setup.Color = color->isChecked();
  if (paper->currentIndex() != shownPaper_ && paper->currentIndex() >= 0) {
    const TPaperInfo& chosen = info.Papers[paper->currentIndex()];
    setup.PaperNumber = chosen.Number;
    setup.PaperName = chosen.Name;
    setup.Paper = chosen.Size;
  }
  if (tray->currentIndex() != shownTray_ && tray->currentIndex() >= 0)
    setup.Tray = info.Trays[tray->currentIndex()].Number;
  setup.Title = request.settings.Title;
  request.printerIndex = shown_;
  request.settings = setup;
  request.files = request_.files;
  request.files[shown_] = FileNameFromQString(file->text());
}
