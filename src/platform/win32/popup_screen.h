#pragma once
// The screen as the popup's placement needs it: every monitor with its work area and its
// own twips per pixel, the foreground window, and the caption and frame metrics.
#include "popup/popup_view.h"

namespace kz::win32 {

class PopupScreen final : public ScreenSource {
public:
    ScreenLayout screenLayout() const override;
};

}  // namespace kz::win32
