// A shown grid whose cell (1, 1) opens the editor control of a chosen editor type.
#pragma once

#include <QApplication>
#include <QWheelEvent>

#include "components/grid/grid/ExtGrid.h"
#include "platform/core/sound.h"
#include "shown_grid.h"

class EditorControls : public ShownGrid<TExtStringGrid> {
 protected:
  TEditorType type = edNormal;
  int beepCount = 0;
  BeepHook beeps = SetBeepHook([this](unsigned) { ++beepCount; });

  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->OnGetEditorType = [this](TObject*, int, int, TEditorType& editor) { editor = type; };
    ShowFocused();
    grid->SetCol(1);
    grid->SetRow(1);
  }
  void TearDown() override { SetBeepHook(beeps); }
  // Opens the editor of cell (1, 1) as F2 does.
  void Open(TEditorType editor, const AnsiString& text) {
    type = editor;
    grid->SetCells(1, 1, text);
    grid->SetCol(1);
    grid->SetRow(1);
    Key(Qt::Key_F2);
  }
  bool Shown(TWinControl* control) const { return control && control->GetVisible(); }
  void Wheel(TWinControl* control, int delta) {
    QWidget* w = control->Widget();
    QWheelEvent wheel(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), {}, {0, delta}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
  }
};
