// Milestones of start-up, printed on stderr with the milliseconds since the process began when
// VQ_STARTUP_TRACE is set; nothing otherwise. For finding what holds up the first dialog.
#pragma once

void StartupMark(const char* pszWhat);
