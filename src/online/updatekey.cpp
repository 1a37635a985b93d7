// SPDX-License-Identifier: MIT
#include "online/updatekey.h"

#ifndef PELBIX_UPDATE_KEY_HEX
#define PELBIX_UPDATE_KEY_HEX ""
#endif

std::string UpdateKey::builtIn()
{
    return PELBIX_UPDATE_KEY_HEX;
}
