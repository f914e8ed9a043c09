// The two kinds of alert sound the countdown plays.
#pragma once

enum class EAlert { Asterisk, Exclamation };
