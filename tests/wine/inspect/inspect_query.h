// The query that inspect.exe posts to a window of the inspected thread and the reply tag that its
// hook DLL answers with.
#pragma once

#include <windows.h>

namespace inspect_query {

constexpr const wchar_t* kMessageName = L"OtopiccoInspectQuery";
constexpr ULONG_PTR kReplyTag = 0x4F545049;  // "OTPI"

enum Kind : LPARAM { kFont = 1, kMenu = 2, kTree = 3 };

}  // namespace inspect_query
