#pragma once

#include <string>

// The application title: the caption of the error box and of plain messages.
inline constexpr const char *kApplicationTitle = "CD Vennix Case 2000";

// The text the error box shows for an error message: a full stop is added when the message
// is not empty and its last character's code is above that of "." (so "!", ")" and "." stay
// as they are, while a letter, a digit or "?" gets one).
std::string errorBoxText(const std::string &message);
