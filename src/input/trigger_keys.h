#pragma once
// The keys that make up each trigger number (0 Alt Gr, 1 Ctrl + Alt, 2 to 4 F10 to F12,
// 5 to 16 Ctrl + F1 to F12).
namespace kz {

inline constexpr int kNoKey = -999;

struct TriggerKeys {
    int fkey = 0;       // the trigger's function key, 0 when it has none
    int mod1 = kNoKey;  // the two keys whose release ends a two-key trigger
    int mod2 = kNoKey;
};

TriggerKeys TriggerKeysFor(int trigger);

}  // namespace kz
