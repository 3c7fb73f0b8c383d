#include "model/design_parse.h"

#include "model/attribute.h"
#include "reader/keywords.h"

void ParseAttrGroup(TNimboObject& self, std::vector<std::unique_ptr<TNimboAttr>>& attrs) {
    const int32_t groupLevel = self.FDepth;
    while (self.FDepth >= groupLevel && !self.ReadingStopped()) {
        const int32_t token = self.FParser->NextToken();
        if (token == tokOpen) {
            ++self.FDepth;
        } else if (token == tokClose) {
            --self.FDepth;
        } else if (token == kw::attr) {
            attrs.push_back(ParseChild<TNimboAttr>(self));
        } else {
            self.SkipSection();
        }
    }
}
