// The options the player sets in the Options dialog: given to it and, on OK, taken back.
#pragma once

#include <string>

#include "platform/colorref.h"
#include "store/skill.h"

struct COptionsValues {
    int nSkill = SkillBeginner;
    bool bTimeTrial = true;
    std::wstring strSet;
    bool bSound = true;
    COLORREF clrBackground = kDefaultBackground;
    bool bHardMode = false;
    bool bWordCheck = false;
};
