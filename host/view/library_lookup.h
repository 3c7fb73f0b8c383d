// Finding the library component that a placed part names.
#pragma once

#include <string_view>

#include "editor.h"

namespace view {

// The first component, in document and component creation order, whose name equals
// `libReference` without regard to letter case; null when no library document holds one. The
// editor measures a part's extent from the same component.
const qelsch::LibraryComponent* FindLibraryComponent(const qelsch::SchEditor& editor,
                                                     std::string_view libReference);

// The graphics of the component part that `part` names (its `currentPartId`, from 1); null
// when the component or that part does not exist.
const qelsch::ComponentPart* FindComponentPart(const qelsch::SchEditor& editor,
                                               const qelsch::Part& part);

}  // namespace view
