#include "components/grid/core/GridItem.h"

#include "components/grid/core/CellPropertiesRef.h"

TGridItem::~TGridItem() {
  if (holds_ == 0) return;
  for (int c = 0; c < Items.Count(); ++c)
    TCellPropertiesRef::Adopt(dynamic_cast<TCellProperties*>(Items.Objects(c)));  // released
}

void TGridItem::AddCell(const AnsiString& Text, TCellPropertiesRef Props) {
  Items.AddObject(Text, Props.Get());
  if (Props.Detach()) ++holds_;  // the row owns the reference now
}

TCellPropertiesRef TGridItem::TakeRef(int ACol) {
  auto* props = dynamic_cast<TCellProperties*>(Items.Objects(ACol));
  if (props) {
    Items.SetObjects(ACol, nullptr);
    --holds_;
  }
  return TCellPropertiesRef::Adopt(props);
}

void TGridItem::PutRef(int ACol, TCellPropertiesRef Props) {
  const TCellPropertiesRef replaced = TakeRef(ACol);
  Items.SetObjects(ACol, Props.Get());
  if (Props.Detach()) ++holds_;
}
