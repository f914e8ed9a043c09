// What the ATK bridge's two halves share: the window link kept on widgets and accessible
// objects, role and state names, and names and descriptions set only when they change.
#pragma once

#include <string>

#include <atk/atk.h>

#include "ui/atk_objects.h"

namespace acc {

// The CAccWindow a widget or an accessible object belongs to is kept under this key.
GQuark QuarkWindow();
AtkRole AtkRoleOf(EAccRole role);
AtkStateType AtkStateOf(EAccState state);
std::string Utf8(const std::wstring& str);
void SetNameIfChanged(AtkObject* pObject, const std::wstring& strName);
void SetDescriptionIfChanged(AtkObject* pObject, const std::wstring& strDescription);
void EmitAnnouncement(AtkObject* pObject, const std::wstring& strText);

}  // namespace acc
