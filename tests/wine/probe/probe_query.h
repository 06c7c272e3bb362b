// The query that probe.exe posts to a window of the inspected thread and the reply tag that its
// hook DLL answers with.
#pragma once

#include <windows.h>

namespace probe_query {

constexpr const wchar_t* kMessageName = L"OtopiccoInspectQuery";
constexpr ULONG_PTR kReplyTag = 0x4F545049;  // "OTPI"

enum Kind : LPARAM { kFont = 1, kMenu = 2, kTree = 3 };

}  // namespace probe_query
