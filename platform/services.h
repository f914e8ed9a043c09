// Small services of the desktop: alert sounds, starting another program, debug output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/alert.h"

// Plays the desktop's "dialog-information" (asterisk) or "dialog-warning" (exclamation) sound.
// Never blocks; silent where no sound server runs.
void PlayAlertSound(EAlert kind);

// Starts argv[0] with its arguments, searched on PATH, without waiting for it. False when it could
// not be started.
bool StartProcess(const std::vector<std::string>& argv);

// One line for whoever debugs the game; silent unless VELTRANE_QUILLORN_DEBUG is set, then on stderr.
void DebugOutput(std::wstring_view text);
