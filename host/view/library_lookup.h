// Finding the library component that a placed part names.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "editor.h"

namespace view {

// The library components of an editor by name, built once so that drawing many parts does not
// search every library for each of them. A part names the first component, in document and
// component creation order, whose name equals its library reference without regard to letter
// case: the one the editor measures the part's extent from.
class TComponentIndex {
  public:
    explicit TComponentIndex(const qelsch::SchEditor& editor);
    const qelsch::LibraryComponent* Find(std::string_view libReference) const;
    // The graphics of the component part that `part` names (its `currentPartId`, from 1); null
    // when the component or that part does not exist.
    const qelsch::ComponentPart* FindPart(const qelsch::Part& part) const;

  private:
    std::map<std::string, const qelsch::LibraryComponent*> FByName;  // ASCII lower case
};

}  // namespace view
