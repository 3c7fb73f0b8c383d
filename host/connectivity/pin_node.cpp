#include "pin_node.h"

namespace connectivity {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string TPinNode::Key() const {
    // A NUL cannot stand in a name of the format, so it keeps "U1"+"23" apart from "U12"+"3".
    return UpperAscii(Designator) + '\0' + UpperAscii(Pin);
}

std::string TPinNode::Describe() const {
    return Designator + "-" + Pin;
}

}  // namespace connectivity
