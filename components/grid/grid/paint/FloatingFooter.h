// The floating footer: a panel under the grid's cells that shows the last row fixed, one
// column of the current row, or a template filled from the current row. TFloatingFooter holds
// the settings and the column calculations of the last row; TFooterPanel paints.
#pragma once

#include "components/grid/core/BaseGridTypes.h"
#include "platform/graphics/color.h"
#include "platform/stdctrls/panel.h"

class TExtStringGrid;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview };

class TFloatingFooter {
 public:
  explicit TFloatingFooter(TExtStringGrid* Grid) : grid_(Grid) {}

  int GetHeight() const { return height_; }
  void SetHeight(int Value);
  bool GetVisible() const { return visible_; }
  // Shown, the last row becomes a fixed footer row (FixedFooters 1).
  void SetVisible(bool Value);
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  TFooterStyle GetFooterStyle() const { return style_; }
  void SetFooterStyle(TFooterStyle Value);
  int GetColumn() const { return column_; }
  void SetColumn(int Value);
  const AnsiString& GetCustomTemplate() const { return template_; }
  void SetCustomTemplate(const AnsiString& Value);
  // The calculation of a column, kept in the properties of its last-row cell.
  TColumnCalcType GetColumnCalc(int ACol) const;
  void SetColumnCalc(int ACol, TColumnCalcType Calc);
  void Invalidate();

 private:
  TExtStringGrid* grid_;
  int height_ = 22;
  bool visible_ = false;
  TColor color_ = clBtnFace;
  TFooterStyle style_ = fsFixedLastRow;
  int column_ = 0;
  AnsiString template_;

  // The grid's footer-shown flag follows the style and the visibility.
  void FooterShownChanged();
};

class TFooterPanel : public TPanel {
 public:
  TFooterPanel(TComponent* AOwner, TExtStringGrid* Grid);

 protected:
  void Paint() override;
  void PaintLastRow();
  void PaintColPreview();
  void PaintCustomPreview();
  // The template with each "<#n>" replaced by column n of the grid's current row.
  AnsiString HTMLColReplace(const AnsiString& Template) const;

 private:
  TExtStringGrid* grid_;
  // The width the grid's shown columns take; right of it the panel shows the grid's colour.
  int PaintedWidth() const;
  void DrawPreviewFrame(int Width);
  void DrawCellEdges(const TRect& R);
};
