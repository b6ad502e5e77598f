#pragma once
// The texts by which instances find and steer each other.
#include <string_view>

namespace kz::app {

inline constexpr std::string_view kCaptionLoading = "Kelvra Zavora Loading";
inline constexpr std::string_view kCaptionOptions = "Kelvra Zavora Options";
inline constexpr std::string_view kCaptionService = "Kelvra Zavora Service";
inline constexpr std::string_view kCaptionWaiting = "waiting";
inline constexpr std::string_view kCaptionTutorial = "Kelvra Zavora - Getting Started";
inline constexpr std::string_view kTrayTooltip = "Kelvra Zavora";

inline constexpr std::string_view kIdleCommandText = "Text1";
inline constexpr std::string_view kCommandClose = "close";
inline constexpr std::string_view kCommandCloseAll = "closeall";

inline constexpr std::string_view kTagUnload = "unload";
inline constexpr std::string_view kTagUnloadOnly = "unloadonly";

inline constexpr std::string_view kExeName = "zavora.exe";
inline constexpr std::string_view kIconGroup = "ICO";

inline constexpr unsigned kServiceTimerMs = 10000;
// How often the interception instance puts its keyboard hook in anew, in case the system
// dropped it without notice.
inline constexpr unsigned kHookRefreshMs = 60000;
inline constexpr int kOptionsOuterWidthTwips = 6240;
// The takeover waits for the old instances to go; a hung one must not keep the new one
// from starting, so the wait gives up after this long.
inline constexpr double kTakeoverLimitSeconds = 10.0;
// A start-up waits for the one under way before it (see Instance::waitForStartLock), at
// most this long, so that one that hangs does not keep the program from starting.
inline constexpr double kStartLockLimitSeconds = 15.0;
inline constexpr unsigned kStartLockPollMs = 100;

}  // namespace kz::app
