// TExtStringGrid: painting what belongs to tree nodes: the tree lines of column 0 and the
// node buttons.
#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "components/grid/core/GridUtil.h"
#include "platform/winapi/edge.h"

namespace {
constexpr int kTreeIndent = 8;
constexpr int kNodeBox = 8;  // the button's box, from 4 to 12 pixels into the cell
constexpr int kLeafSize = 16;
}  // namespace

void TExtStringGrid::Painting::DrawTreeLines(CellPaint& P) {
  if (!g.HasNodes() || P.Col != 0 || P.Row < g.GetFixedRows() || !g.CellNode.GetShowTree()) return;
  TCanvas* canvas = P.Canvas;
  const TRect& r = P.Rect;
  const int middle = r.Top + (r.Bottom - r.Top) / 2;
  const int x = r.Left - kTreeIndent;
  canvas->Pen->SetColor(clSilver);
  canvas->Pen->SetWidth(1);
  canvas->MoveTo(x, middle);
  canvas->LineTo(r.Left, middle);
  switch (g.GetNodeSpanType(P.Row)) {
    case 1:
      canvas->MoveTo(x, r.Top);
      canvas->LineTo(x, middle);
      break;
    case 2:
      canvas->MoveTo(x, r.Top);
      canvas->LineTo(x, r.Bottom + 4);
      break;
    default:
      break;
  }
}

// A box with a minus sign, and the stroke that makes it a plus while the node is closed; the
// glyph look shows the two glyphs instead when both are set, the leaf look the program's
// leaf marks.
void TExtStringGrid::Painting::DrawNodeButton(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  const bool contracted = P.Graphic->CellBoolean;
  const int left = P.Rect.Left - g.NodeIndent(P.Row);
  if (g.CellNode.GetNodeType() == cnLeaf) {
    const int top = P.Rect.Top + (P.Rect.Height() - kLeafSize) / 2;
    DrawBitmapResourceTransp(canvas, P.Shown, {left + 1, top, P.Rect.Right, P.Rect.Bottom},
                             contracted ? "ESGLEAFCLOSE" : "ESGLEAFOPEN");
    return;
  }
  TBitmap* glyph = contracted ? g.CellNode.GetContractGlyph() : g.CellNode.GetExpandGlyph();
  if (g.CellNode.GetNodeType() == cnGlyph && !g.CellNode.GetContractGlyph()->GetEmpty() &&
      !g.CellNode.GetExpandGlyph()->GetEmpty()) {
    const int top = P.Rect.Top + (P.Rect.Height() - glyph->GetHeight()) / 2;
    DrawBitmapTransp(canvas, glyph, P.Brush, {left + 1, top, P.Rect.Right, P.Rect.Bottom});
    return;
  }
  const int top = P.Rect.Top + (P.Rect.Height() - kNodeBox) / 2;
  TRect box(left + 4, top, left + 4 + kNodeBox, top + kNodeBox);
  canvas->Brush->SetColor(g.CellNode.GetColor());
  canvas->Pen->SetColor(g.CellNode.GetNodeColor());
  canvas->Pen->SetWidth(1);
  if (g.CellNode.GetNodeType() == cn3D) {
    TRect edge = box;
    canvas->FillRect(edge);
    DrawEdge(canvas, &edge, contracted ? BDR_RAISEDINNER : BDR_SUNKENINNER, BF_RECT | BF_SOFT);
  } else {
    canvas->Rectangle(box);
  }
  canvas->MoveTo(box.Left + 1, box.Top + 3);
  canvas->LineTo(box.Left + 6, box.Top + 3);
  if (!contracted) return;
  canvas->MoveTo(box.Left + 3, box.Top + 1);
  canvas->LineTo(box.Left + 3, box.Top + 6);
}
