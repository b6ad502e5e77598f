// The GDI canvas draws real pixels where the portable code asks: areas move and clip,
// the double buffer reaches its target, fonts are cached per DPI, and the key popup's
// rows land on their rows.
#include <windows.h>

#include "charset/character_table.h"
#include "checks.h"
#include "platform/win32/double_buffer.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_holders.h"
#include "popup/popup_render.h"

using namespace kz::win32;
using kz::platform::Rect;

namespace {

// A white 32-bit bitmap in a memory DC.
struct Surface {
    Surface(int width, int height)
        : dc(CreateMemoryDc(nullptr)), bitmap(MakeBitmap(width, height)), selection(dc.get(), bitmap.get()) {
        const RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    static HBITMAP MakeBitmap(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc.get(), x, y); }
    // Any pixel in [left, right) x [top, bottom) that is not white.
    bool inked(int left, int top, int right, int bottom) const {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (at(x, y) != RGB(255, 255, 255)) return true;
        return false;
    }

    UniqueMemoryDc dc;
    UniqueBitmap bitmap;
    SelectionGuard selection;
};

constexpr COLORREF kRed = RGB(255, 0, 0);

}  // namespace

CHECK_CASE(AreaMovesTheOriginAndClips) {
    Surface surface(40, 40);
    FontCache fonts;
    GdiCanvas canvas(surface.dc.get(), 96, fonts);
    canvas.setArea(Rect{10, 10, 20, 20});
    canvas.fillRect(Rect{-5, -5, 100, 100}, kz::platform::Rgb{255, 0, 0});
    canvas.resetArea();
    CHECK(surface.at(10, 10) == kRed);
    CHECK(surface.at(19, 19) == kRed);
    CHECK(surface.at(9, 9) == RGB(255, 255, 255));   // outside the area: clipped
    CHECK(surface.at(20, 20) == RGB(255, 255, 255));
    canvas.fillRect(Rect{0, 0, 2, 2}, kz::platform::Rgb{255, 0, 0});  // whole surface again
    CHECK(surface.at(0, 0) == kRed);
}

CHECK_CASE(DoubleBufferReachesItsTargetOnlyWhenPresented) {
    Surface target(20, 20);
    DoubleBuffer buffer(target.dc.get(), 20, 20);
    const RECT all{0, 0, 20, 20};
    SetDCBrushColor(buffer.dc(), kRed);
    FillRect(buffer.dc(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    CHECK(buffer.dc() != target.dc.get());
    CHECK(target.at(5, 5) == RGB(255, 255, 255));
    buffer.present();
    CHECK(target.at(5, 5) == kRed);
    CHECK(target.at(19, 19) == kRed);
}

CHECK_CASE(FontsAreCachedPerSpecAndDpi) {
    FontCache fonts;
    const auto big = kz::platform::makeFont(26, "Arial", false);
    HFONT at96 = fonts.get(big, 96);
    CHECK(at96 != nullptr);
    CHECK(fonts.get(big, 96) == at96);
    HFONT at144 = fonts.get(big, 144);
    CHECK(at144 != at96);
    CHECK(fonts.get(kz::platform::makeFont(11, "Arial Black", false), 96) != at96);

    const LOGFONTW l96 = FontCache::Describe(big, 96);
    CHECK_EQ(l96.lfHeight, 39L);
    CHECK_EQ(FontCache::Describe(big, 144).lfHeight, 58L);
    CHECK_EQ(static_cast<int>(l96.lfQuality), CLEARTYPE_QUALITY);
    CHECK_EQ(l96.lfWeight, 0L);
    CHECK(lstrcmpW(l96.lfFaceName, L"Arial") == 0);
    const LOGFONTW label = FontCache::Describe(kz::platform::pointFont(9.75, "Arial", true), 96);
    CHECK_EQ(label.lfHeight, -13L);
    CHECK_EQ(label.lfWeight, 700L);
}

CHECK_CASE(KeyPopupRowsLandOnTheirRows) {
    Surface surface(145, 369);
    FontCache fonts;
    kz::CharacterTable table;
    kz::PopupDrawState state;
    state.rowText = {u'\u00E9', u'\u00E8', 0, 0, 0, 0};
    state.selected = 1;
    state.characters = &table;
    {
        GdiCanvas canvas(surface.dc.get(), 96, fonts);
        kz::PaintPopup(canvas, state);
    }
    // The rows' area starts at (16, 106); rows are 41 pixels high; characters are centred.
    CHECK(surface.inked(40, 106, 105, 147));   // é in row 0
    CHECK(surface.inked(40, 147, 105, 188));   // è in row 1
    CHECK(!surface.inked(40, 192, 105, 270));  // rows 2 and 3 stay empty
    CHECK(surface.at(16 + 56, 147 + 38) != RGB(255, 255, 255));  // the selection bar behind row 1
    CHECK(surface.at(16 + 56, 106 + 38) == RGB(255, 255, 255));  // and not behind row 0
    CHECK(surface.at(70, 368) == RGB(128, 128, 128));            // the bottom line
}
