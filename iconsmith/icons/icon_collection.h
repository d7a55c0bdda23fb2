// The built-in icon collection: 511 numbered favicons and the default icon, as .ico file bytes.
#pragma once

#include <string>

// Module1: Iconsmith's favicon page engine and the icon collection it writes.
namespace Module1 {

// Number of icons in the collection; they are numbered 1 .. IconCount().
int IconCount();

// The complete .ico file of icon `number` (1 .. IconCount()); empty for any other number.
std::string IconFileBytes(int number);

// The icon a run writes when the user has picked none (32x32 in 256 colours, plus 16x16 and
// 48x48 true-colour images).
std::string DefaultIconBytes();

}  // namespace Module1
