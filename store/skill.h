// Skill levels: stored as the current level and as the key of every record, played by the core.
#pragma once

// The word length is the skill plus five.
enum ESkill : int { SkillBeginner = 0, SkillIntermediate = 1, SkillAdvanced = 2 };
constexpr bool IsValidSkill(int nSkill) { return nSkill >= SkillBeginner && nSkill <= SkillAdvanced; }
