#include "components/grid/core/PropertyReferences.h"

#include "components/grid/core/CellProperties.h"

void TPropertyReferences::Count(const TObject* Slot) {
  if (const auto* props = dynamic_cast<const TCellProperties*>(Slot)) ++slots_[props];
}

std::string TPropertyReferences::Fault() const {
  for (const auto& [props, slots] : slots_) {
    const int expected = slots + props->ReferenceHolders();
    if (props->Holders() != expected)
      return "the object of cell " + std::to_string(props->OwnerCol) + "," +
             std::to_string(props->OwnerRow) + " counts " + std::to_string(props->Holders()) +
             " holders, " + std::to_string(expected) + " hold it";
  }
  return {};
}
