// Reads a list view of another process. The list view messages that return text need
// their LVITEM/LVCOLUMN record and text buffer in the owner's address space, so the probe
// allocates one block there, writes the record, sends the message and reads the answer back.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "probe_commands.h"

namespace probe {
namespace {

constexpr int kTextChars = 512;

struct RemoteBlock {
    HANDLE process = nullptr;
    char* base = nullptr;

    explicit RemoteBlock(HWND window) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                  PROCESS_QUERY_INFORMATION,
                              FALSE, pid);
        if (process)
            base = static_cast<char*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE,
                                                     PAGE_READWRITE));
    }
    ~RemoteBlock() {
        if (base) VirtualFreeEx(process, base, 0, MEM_RELEASE);
        if (process) CloseHandle(process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool ok() const { return base != nullptr; }
    // The record sits at the start of the block, the text buffer after it.
    wchar_t* textBuffer() const { return reinterpret_cast<wchar_t*>(base + 256); }

    template <typename Record>
    void put(const Record& record) {
        WriteProcessMemory(process, base, &record, sizeof record, nullptr);
    }
    template <typename Record>
    Record get() const {
        Record record{};
        ReadProcessMemory(process, base, &record, sizeof record, nullptr);
        return record;
    }
    std::wstring text() const {
        wchar_t buffer[kTextChars] = {};
        ReadProcessMemory(process, textBuffer(), buffer, sizeof buffer - sizeof(wchar_t), nullptr);
        return buffer;
    }
};

std::wstring ItemText(HWND list, RemoteBlock& block, int row, int column) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = block.textBuffer();
    item.cchTextMax = kTextChars - 1;
    block.put(item);
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.base));
    return block.text();
}

std::wstring ColumnText(HWND list, RemoteBlock& block, int column) {
    LVCOLUMNW record = {};
    record.mask = LVCF_TEXT;
    record.pszText = block.textBuffer();
    record.cchTextMax = kTextChars - 1;
    block.put(record);
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(block.base));
    return block.text();
}

// The row's whole rectangle in screen coordinates.
RECT ItemRect(HWND list, RemoteBlock& block, int row) {
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    block.put(rect);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.base));
    rect = block.get<RECT>();
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

void ReadListView(const Args& args, Json& out) {
    HWND list = ParseHandle(args.at(0));
    RemoteBlock block(list);
    out.beginObject();
    out.field("ok", block.ok());
    if (!block.ok()) {
        out.endObject();
        return;
    }
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    if (columns < 1) columns = 1;
    out.key("columns").beginArray();
    for (int c = 0; c < columns; ++c) out.value(ColumnText(list, block, c));
    out.endArray();

    int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    out.field("top", static_cast<long long>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)));
    out.key("rows").beginArray();
    for (int r = 0; r < rows; ++r) {
        auto state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(r),
                                                    LVIS_STATEIMAGEMASK | LVIS_SELECTED | LVIS_FOCUSED));
        out.beginObject();
        out.key("texts").beginArray();
        for (int c = 0; c < columns; ++c) out.value(ItemText(list, block, r, c));
        out.endArray();
        // State image 2 is the ticked box of LVS_EX_CHECKBOXES.
        out.field("checked", ((state & LVIS_STATEIMAGEMASK) >> 12) == 2);
        out.field("selected", (state & LVIS_SELECTED) != 0);
        out.field("focused", (state & LVIS_FOCUSED) != 0);
        const RECT rect = ItemRect(list, block, r);
        out.key("rect").beginArray();
        for (const LONG side : {rect.left, rect.top, rect.right, rect.bottom}) out.value(static_cast<long long>(side));
        out.endArray();
        out.endObject();
    }
    out.endArray();
    out.endObject();
}

}  // namespace probe
