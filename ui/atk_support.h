// What the ATK bridge's own files share: quiet setters, the usable state set and small steps.
#pragma once

#include <initializer_list>
#include <string>

#include "ui/atk_objects.h"

namespace acc {

std::string Utf8(const std::wstring& str);
void SetNameIfChanged(AtkObject* pObject, const std::wstring& strName);
void EmitAnnouncement(AtkObject* pObject, const std::wstring& strText);
// A state set of an object that is drawn and usable, with the extra states given.
AtkStateSet* UsableStateSet(std::initializer_list<AtkStateType> aExtra);
// The object's place among its parent's children, asked of the parent; -1 without one.
gint IndexInParent(AtkObject* pObject);

}  // namespace acc
