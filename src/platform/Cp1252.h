#pragma once

// The Windows Western code page, in which RTF documents carry their 8-bit
// characters (raw bytes and \'hh escapes).
namespace Cp1252 {

// The Unicode character of a byte. Bytes that the code page leaves
// undefined stand for the control character of the same number.
char16_t Decode(unsigned char byte);

// The byte of a Unicode character, or -1 when the code page has none.
// Decode(Encode(c)) == c for every c that has a byte.
int Encode(char16_t character);

}  // namespace Cp1252
