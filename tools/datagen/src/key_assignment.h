// Which keyboard key a character is offered on, and the case form it is offered in.
#pragma once

#include <optional>

#include "ucd.h"

namespace datagen {

// Turkish and Azerbaijani pair i with İ and ı with I. The keyboard types i, and Shift on that
// key types I, so İ is the one capital of these alphabets the keyboard cannot give. It is
// offered as plain i on the key i, and characters.dat makes İ the upper-case partner of that
// i: the popup shows i, and İ while Shift or Caps Lock is on. No other language offers a
// letter the keyboard types, so the pairing shows nowhere else.
inline constexpr char32_t kCapitalIWithDotAbove = 0x0130;

// The form a character is offered in: an upper-case-only letter (É, or İ in a Turkish set)
// is folded to its lower-case partner; anything else is returned unchanged.
char32_t offeredForm(char32_t code, const Ucd& ucd);

// True when the keyboard types the offered form itself, so no language needs to offer it:
// ASCII, except the plain i that stands for İ.
bool typedByKeyboard(char32_t original, char32_t offered);

// The upper-case partner characters.dat gives an offered letter: its simple Unicode upper
// case, except İ for the plain i that stands for it. 0 when there is none.
char32_t upperPartner(char32_t offered, const Ucd& ucd);

// The key a user would guess for the character: the base letter of its canonical
// decomposition (é on e), else the letter it is read as (ß on s, ø on o), else nullopt when
// no key makes sense. The key is a lower-case US keyboard character.
std::optional<char> keyFor(char32_t code, const Ucd& ucd);

// Keys that may appear at the start of a body line: the unshifted and shifted characters of
// a US keyboard, lower-case letters only, without "{", "}" and ";", which would break the
// data.dat record braces or the ";;" line joints of stored languages.
bool isUsableKey(char key);

}  // namespace datagen
