#pragma once

#include <thread>

// The system's font configuration (dozens of XML files) is read the first time any text is
// measured, which makes it a large part of the start-up. This starts that reading on
// another thread, so that it runs while the application connects to the display; join the
// thread before making the first widget.
std::jthread LireConfigurationPolices();
