// Every holder releases its handle exactly once: on reset, on destruction and on move
// assignment over it; a move hands the handle on; release() gives it up unreleased. A
// subclass reaches its handler until it is detached or its window is destroyed.
#include <windows.h>
#include <commctrl.h>

#include <type_traits>

#include "checks.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/window_subclass.h"

using namespace kz::win32;

namespace {

bool GdiAlive(HGDIOBJ object) { return GetObjectType(object) != 0; }

static_assert(!std::is_copy_constructible_v<UniqueFont> && !std::is_copy_assignable_v<UniqueFont>);
static_assert(std::is_nothrow_move_constructible_v<UniqueFont> && std::is_nothrow_move_assignable_v<UniqueFont>);
static_assert(!std::is_copy_constructible_v<UniqueMemoryDc> && !std::is_copy_constructible_v<UniqueHook>);
static_assert(!std::is_copy_constructible_v<WindowDc> && std::is_move_constructible_v<WindowDc>);
static_assert(!std::is_copy_constructible_v<SelectionGuard> && !std::is_move_constructible_v<SelectionGuard>);

template <typename Holder, typename Make, typename Alive>
void CheckHolder(Make make, Alive alive) {
    const auto first = make();
    {
        Holder holder(first);
        CHECK(alive(first));
        Holder moved(std::move(holder));
        CHECK(!holder);
        CHECK(moved.get() == first);
        CHECK(alive(first));
    }
    CHECK(!alive(first));  // released once, by the holder that had it last

    const auto second = make();
    const auto third = make();
    Holder a(second);
    Holder b(third);
    a = std::move(b);  // a's own handle goes, b's moves in
    CHECK(!alive(second));
    CHECK(alive(third));
    CHECK(a.get() == third);
    a.reset();
    CHECK(!alive(third));
    CHECK(!a);
    a.reset();  // a null handle is ignored

    const auto fourth = make();
    Holder c(fourth);
    const auto given = c.release();
    CHECK(given == fourth);
    CHECK(!c);
    CHECK(alive(fourth));
    Holder cleanup(given);
}

}  // namespace

CHECK_CASE(GdiObjectHoldersReleaseOnce) {
    CheckHolder<UniqueFont>([] { return CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"); }, GdiAlive);
    CheckHolder<UniqueBitmap>([] { return CreateBitmap(4, 4, 1, 32, nullptr); }, GdiAlive);
    CheckHolder<UniqueBrush>([] { return CreateSolidBrush(RGB(1, 2, 3)); }, GdiAlive);
    CheckHolder<UniquePen>([] { return CreatePen(PS_SOLID, 1, RGB(1, 2, 3)); }, GdiAlive);
    CheckHolder<UniqueMemoryDc>([] { return CreateCompatibleDC(nullptr); }, GdiAlive);
}

CHECK_CASE(IconHolderDestroysTheIcon) {
    const BYTE andMask[32 * 4] = {};
    const BYTE xorMask[32 * 4] = {};
    CheckHolder<UniqueIcon>([&] { return CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask); },
                            [](HICON icon) {
                                ICONINFO info{};
                                const bool ok = GetIconInfo(icon, &info) != FALSE;
                                if (ok) {
                                    DeleteObject(info.hbmMask);
                                    if (info.hbmColor) DeleteObject(info.hbmColor);
                                }
                                return ok;
                            });
}

CHECK_CASE(KernelHandleHolderClosesTheHandle) {
    CheckHolder<UniqueHandle>([] { return CreateEventW(nullptr, TRUE, FALSE, nullptr); },
                              [](HANDLE h) {
                                  DWORD flags = 0;
                                  return GetHandleInformation(h, &flags) != FALSE;
                              });
}

namespace {
LRESULT CALLBACK PassKeys(int code, WPARAM w, LPARAM l) { return CallNextHookEx(nullptr, code, w, l); }
}  // namespace

CHECK_CASE(HookHolderUnhooks) {
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, &PassKeys, GetModuleHandleW(nullptr), 0);
    CHECK(hook != nullptr);
    {
        UniqueHook holder(hook);
        UniqueHook moved(std::move(holder));
        CHECK(moved.get() == hook);
    }
    CHECK(!UnhookWindowsHookEx(hook));  // already gone
}

CHECK_CASE(WindowDcIsReleasedAndMovable) {
    WindowDc screen(nullptr);
    CHECK(screen.get() != nullptr);
    WindowDc moved(std::move(screen));
    CHECK(screen.get() == nullptr);
    CHECK(GetDeviceCaps(moved.get(), LOGPIXELSY) > 0);
}

CHECK_CASE(SelectionGuardPutsThePreviousObjectBack) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniqueFont font(CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    const HGDIOBJ before = GetCurrentObject(dc.get(), OBJ_FONT);
    {
        SelectionGuard guard(dc.get(), font.get());
        CHECK(GetCurrentObject(dc.get(), OBJ_FONT) == font.get());
    }
    CHECK(GetCurrentObject(dc.get(), OBJ_FONT) == before);
}

CHECK_CASE(SubclassesOfOneWindowAllHearItUntilDetachedOrDestroyed) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CHECK(window != nullptr);
    int heardFirst = 0;
    int heardSecond = 0;
    const auto counter = [](int& heard) {
        return [&heard](HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_USER) ++heard;
            return DefSubclassProc(w, message, wParam, lParam);
        };
    };
    WindowSubclass first;
    WindowSubclass second;
    first.attach(window, counter(heardFirst));
    second.attach(window, counter(heardSecond));
    SendMessageW(window, WM_USER, 0, 0);
    first.detach();
    SendMessageW(window, WM_USER, 0, 0);
    CHECK_EQ(heardFirst, 1);
    CHECK_EQ(heardSecond, 2);
    DestroyWindow(window);
    CHECK(second.window() == nullptr);
}
