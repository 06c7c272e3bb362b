// What a process holds: GDI and USER objects as Windows counts them (GetGuiResources), the GDI
// objects of its handle table, its windows, kernel handles and memory. Wine answers
// GetGuiResources with 0, so the GDI handle table and the window count are read as well: the
// table is the one every process's PEB points to (Windows fills it for the whole session, Wine
// for the process alone), 24-byte entries on 64-bit whose type byte is 0 for a free slot.
#include "probe_resources.h"

#include <psapi.h>
#include <winternl.h>

#include <string>
#include <vector>

namespace probe_resources {
namespace {

void Write(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// An entry: the kernel object (a pointer), the owner (process id in its low 16 bits), a unique
// word, the type byte, flags, the user pointer; the PEB holds the table's address.
constexpr bool kWide = sizeof(void*) == 8;
constexpr size_t kEntrySize = kWide ? 24 : 16, kOwnerOffset = sizeof(void*), kTypeOffset = kOwnerOffset + 6;
constexpr size_t kPebTableOffset = kWide ? 0xF8 : 0x94;
constexpr size_t kTableEntries = 0x10000;

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

// GDI objects in the process's handle table, or -1 when the table cannot be read.
long long TableObjects(HANDLE process, DWORD pid) {
  auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic = {};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
  ULONG_PTR table = 0;
  SIZE_T read = 0;
  const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  if (!ReadProcessMemory(process, peb + kPebTableOffset, &table, sizeof table, &read) || !table) return -1;
  std::vector<unsigned char> entries(kTableEntries * kEntrySize);
  // The table may be shorter than its largest size: read what can be read, page by page.
  size_t got = 0;
  while (got < entries.size()) {
    size_t chunk = 4096 - (got % 4096);
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(table) + got, entries.data() + got, chunk, &read))
      break;
    got += read;
  }
  long long count = 0, any_owner = 0;
  for (size_t i = 0; i + kEntrySize <= got; i += kEntrySize) {
    if (!entries[i + kTypeOffset]) continue;
    USHORT owner = *reinterpret_cast<const USHORT*>(&entries[i + kOwnerOffset]);
    ++any_owner;
    if (owner == static_cast<USHORT>(pid)) ++count;
  }
  // Wine's table is the process's own and may leave the owner unset.
  return count ? count : any_owner;
}

struct WindowCount {
  DWORD pid;
  long long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
  auto* windows = reinterpret_cast<WindowCount*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == windows->pid) ++windows->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  CountChild(window, param);
  EnumChildWindows(window, CountChild, param);
  return TRUE;
}

}  // namespace

int Report(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) {
    Write("error\tcannot open the process\n");
    return 1;
  }
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  WindowCount windows = {pid, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  Write("resources\tgdi=" + std::to_string(GetGuiResources(process, GR_GDIOBJECTS)) +
        "\tuser=" + std::to_string(GetGuiResources(process, GR_USEROBJECTS)) +
        "\tgdi_table=" + std::to_string(TableObjects(process, pid)) + "\twindows=" + std::to_string(windows.count) +
        "\thandles=" + std::to_string(handles) + "\tprivate=" + std::to_string(memory.PrivateUsage) +
        "\tworking_set=" + std::to_string(memory.WorkingSetSize) + "\n");
  CloseHandle(process);
  return 0;
}

}  // namespace probe_resources
