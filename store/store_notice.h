// What the player is told, once, when the settings store is not saving: the reason and the file.
#pragma once

#include <filesystem>
#include <string>

#include "platform/registry.h"

// Empty for EStoreTrouble::None.
std::wstring StoreNoticeReason(EStoreTrouble trouble);
// The whole notice: that nothing is being saved, why, and which file.
std::wstring StoreNoticeText(EStoreTrouble trouble, const std::filesystem::path& file);
