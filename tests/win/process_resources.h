#pragma once
// What a process holds of the system, for leak tests: GDI and USER objects, kernel handles and
// memory: committed private regions and heap blocks in use.
//
// Windows counts the first three for us (GetGuiResources, GetProcessHandleCount); Wine 8 answers
// 0 to all of them. So each is also counted by looking: Wine, as Windows, still accepts a GDI,
// window or menu handle by its low 16 bits, and a handle that is open has handle information.
// Private memory is the sum of the committed private regions, on both.
#include <windows.h>

#include <cstdio>

namespace velkor::win32 {

struct ProcessResources {
    DWORD gdiObjects = 0;   // GetGuiResources
    DWORD userObjects = 0;  // GetGuiResources
    DWORD handles = 0;      // GetProcessHandleCount
    unsigned gdiObjectsSeen = 0;
    unsigned windowsAndMenusSeen = 0;
    unsigned handlesSeen = 0;
    SIZE_T privateBytes = 0;
    SIZE_T heapBytesInUse = 0;

    static ProcessResources Measure() {
        ProcessResources now;
        HANDLE self = GetCurrentProcess();
        now.gdiObjects = GetGuiResources(self, GR_GDIOBJECTS);
        now.userObjects = GetGuiResources(self, GR_USEROBJECTS);
        GetProcessHandleCount(self, &now.handles);

        for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
            if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++now.gdiObjectsSeen;
            // USER handles are even; an odd one names the same object as the even below it.
            const auto hwnd = reinterpret_cast<HWND>(index);
            DWORD owner = 0;
            if (index % 2 == 0 && IsWindow(hwnd) && GetWindowThreadProcessId(hwnd, &owner) &&
                owner == GetCurrentProcessId())
                ++now.windowsAndMenusSeen;
            if (index % 2 == 0 && IsMenu(reinterpret_cast<HMENU>(index)))
                ++now.windowsAndMenusSeen;
            DWORD flags = 0;
            if (index % 4 == 0 && GetHandleInformation(reinterpret_cast<HANDLE>(index), &flags))
                ++now.handlesSeen;
        }

        MEMORY_BASIC_INFORMATION region;
        for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) != 0;) {
            if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
                now.privateBytes += region.RegionSize;
            const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
            if (next <= at) break;
            at = next;
        }
        now.heapBytesInUse = HeapBytesInUse();
        return now;
    }

    // The bytes of all allocated blocks in all heaps of the process: what new and malloc
    // hold, to the byte, while committed memory grows only in whole chunks.
    static SIZE_T HeapBytesInUse() {
        HANDLE heaps[64];
        const DWORD count = GetProcessHeaps(64, heaps);
        SIZE_T total = 0;
        for (DWORD i = 0; i < count && i < 64; ++i) {
            if (!HeapLock(heaps[i])) continue;
            PROCESS_HEAP_ENTRY entry{};
            while (HeapWalk(heaps[i], &entry))
                if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
            HeapUnlock(heaps[i]);
        }
        return total;
    }

    void Print(const char* when) const {
        std::printf(
            "%s: GDI %lu (seen %u), USER %lu (windows and menus seen %u), handles %lu (seen %u), "
            "private %zu KB, heap blocks %zu bytes\n",
            when, static_cast<unsigned long>(gdiObjects), gdiObjectsSeen,
            static_cast<unsigned long>(userObjects), windowsAndMenusSeen,
            static_cast<unsigned long>(handles), handlesSeen,
            static_cast<size_t>(privateBytes / 1024), static_cast<size_t>(heapBytesInUse));
    }
};

}  // namespace velkor::win32
