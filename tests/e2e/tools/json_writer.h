#pragma once
// A tiny JSON builder for the probe's one-line answers. Text arrives as UTF-16 from the
// system and leaves as UTF-8; the caller nests values in the order it writes them.
#include <windows.h>

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace probe {

inline std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        size, nullptr, nullptr);
    return out;
}

inline std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        size);
    return out;
}

class Json {
public:
    Json& beginObject() { separate(); out_ += '{'; first_ = true; return *this; }
    Json& endObject() { out_ += '}'; first_ = false; return *this; }
    Json& beginArray() { separate(); out_ += '['; first_ = true; return *this; }
    Json& endArray() { out_ += ']'; first_ = false; return *this; }

    Json& key(std::string_view name) {
        separate();
        quoted(name);
        out_ += ':';
        first_ = true;  // the value that follows needs no comma
        return *this;
    }
    Json& value(std::string_view text) { separate(); quoted(text); return *this; }
    Json& value(std::wstring_view text) { return value(std::string_view(Utf8(text))); }
    Json& value(const wchar_t* text) { return value(std::wstring_view(text)); }
    Json& value(const char* text) { return value(std::string_view(text)); }
    Json& value(bool flag) { separate(); out_ += flag ? "true" : "false"; return *this; }
    template <std::integral T>
    Json& value(T number) { separate(); out_ += std::to_string(number); return *this; }
    Json& handle(HWND window) {
        return value(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    }
    template <typename T>
    Json& field(std::string_view name, T v) { key(name); return value(v); }

    const std::string& text() const { return out_; }

private:
    void separate() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    void quoted(std::string_view text) {
        out_ += '"';
        for (unsigned char c : text) {
            switch (c) {
                case '"': out_ += "\\\""; break;
                case '\\': out_ += "\\\\"; break;
                case '\n': out_ += "\\n"; break;
                case '\r': out_ += "\\r"; break;
                case '\t': out_ += "\\t"; break;
                default:
                    if (c < 0x20) {
                        char buf[8];
                        wsprintfA(buf, "\\u%04x", c);
                        out_ += buf;
                    } else {
                        out_ += static_cast<char>(c);
                    }
            }
        }
        out_ += '"';
    }

    std::string out_;
    bool first_ = true;
};

}  // namespace probe
