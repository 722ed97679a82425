#include "Polices.h"

#include <fontconfig/fontconfig.h>

std::jthread LireConfigurationPolices()
{
    // Fontconfig keeps the configuration loaded here as the current one, which Qt's font
    // database then finds ready.
    return std::jthread([] { FcInit(); });
}
