// The module's error box: the message, the error icon, one "OK" button, the caption
// "Lumivex Error". Returns when the user closes it.
#pragma once

#include <string>

void ShowErrorBox(const std::string& text);
