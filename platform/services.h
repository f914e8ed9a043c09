// Small services of the desktop: alert sounds and debug output.
#pragma once

#include <string>
#include <string_view>

enum class EAlert { Asterisk, Exclamation };

// Plays the desktop's "dialog-information" (asterisk) or "dialog-warning" (exclamation) sound.
// Never blocks; silent where no sound server runs.
void PlayAlertSound(EAlert kind);

// One line for whoever debugs the game; silent unless VELTRANE_QUILLORN_DEBUG is set, then on stderr.
void DebugOutput(std::wstring_view text);
