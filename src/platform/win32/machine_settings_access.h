#pragma once
// The machine-wide settings (user languages, disabled keys, the command boxes of running
// instances) live under HKLM, which only administrators may change. The program runs with
// the rights of whoever started it, so a standard user could not save a language or an
// Options change there. The installer, which runs elevated once, calls this through
// "zavora.exe /grantusers" to let the local Users group change that one key.

namespace kz::win32 {

// Creates HKLM\Software\Kelvra\Zavora (64-bit view) and its subkeys Languages and Info if
// needed and grants the local Users group the rights to read them, set their values and
// create subkeys, inherited by every subkey. Returns the process exit code: 0 when the key carries the grant, otherwise the
// system error code, so that the installer can report the failure.
unsigned long GrantUsersMachineSettings();

}  // namespace kz::win32
