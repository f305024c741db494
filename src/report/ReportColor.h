#pragma once

#include "ColorText.h"

#include <QColor>

// The colour a TColor shows on paper: a plain colour from its $00BBGGRR bytes, a system colour
// as the standard Windows desktop colours it, clNone (or any other value that is no colour)
// as an invalid QColor, which the page draws as nothing.
QColor colorFromTColor(TColor color);
