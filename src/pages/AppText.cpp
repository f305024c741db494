#include "AppText.h"

std::string errorBoxText(const std::string &message)
{
    // Compared as bytes: a UTF-8 sequence ends in a byte above '.', as an ANSI letter would.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}
