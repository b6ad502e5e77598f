#include "platform/win32/machine_settings_access.h"

#include <windows.h>
#include <aclapi.h>

namespace kz::win32 {
namespace {

// The key and the subkeys the program writes machine-wide (user languages, the tutorial's
// flag). The subkeys are made here with the grant of their own, so that they carry it even
// where a system does not pass inherited entries on to keys made later (Wine does not).
constexpr const wchar_t* kMachineKeys[] = {
    L"Software\\Kelvra\\Zavora",
    L"Software\\Kelvra\\Zavora\\Languages",
    L"Software\\Kelvra\\Zavora\\Info",
};

// Reading the key and changing what lies in it; not deleting or re-securing the key
// itself, which stays with the administrators.
constexpr DWORD kUsersRights = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

DWORD GrantUsers(const wchar_t* path) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  READ_CONTROL | WRITE_DAC | KEY_WOW64_64KEY, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return static_cast<DWORD>(status);

    PACL current = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD error = GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &current,
                                  nullptr, &descriptor);

    BYTE usersSid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof usersSid;
    if (error == ERROR_SUCCESS && !CreateWellKnownSid(WinBuiltinUsersSid, nullptr, usersSid, &sidSize))
        error = GetLastError();

    PACL updated = nullptr;
    if (error == ERROR_SUCCESS) {
        // Added to what is there: the administrators and the system keep their access.
        EXPLICIT_ACCESSW grant{};
        grant.grfAccessPermissions = kUsersRights;
        grant.grfAccessMode = GRANT_ACCESS;
        grant.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
        grant.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        grant.Trustee.TrusteeType = TRUSTEE_IS_GROUP;
        grant.Trustee.ptstrName = reinterpret_cast<LPWSTR>(usersSid);
        error = SetEntriesInAclW(1, &grant, current, &updated);
    }
    if (error == ERROR_SUCCESS) {
        // Also passes the inheritable entry on to subkeys that exist already.
        error = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, updated,
                                nullptr);
    }
    if (updated != nullptr) LocalFree(updated);
    if (descriptor != nullptr) LocalFree(descriptor);
    RegCloseKey(key);
    return error;
}

}  // namespace

unsigned long GrantUsersMachineSettings() {
    for (const wchar_t* path : kMachineKeys) {
        if (DWORD error = GrantUsers(path); error != ERROR_SUCCESS) return error;
    }
    return ERROR_SUCCESS;
}

}  // namespace kz::win32
