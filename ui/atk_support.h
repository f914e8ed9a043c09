// What the ATK bridge's parts share: the window link kept on widgets and accessible objects, role
// and state names, names and descriptions set only when they change, and small shared steps.
#pragma once

#include <functional>
#include <initializer_list>
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
// A state set of an object that is drawn and usable, with the extra states given.
AtkStateSet* UsableStateSet(std::initializer_list<AtkStateType> aExtra);
// The object's place among its parent's children, asked of the parent; -1 without one.
gint IndexInParent(AtkObject* pObject);
// A reader calls from its own request: what it asks for happens once that has been answered.
void RunWhenIdle(std::function<void()> fn);

}  // namespace acc
