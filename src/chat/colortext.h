#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// Colours as they travel in chat messages and the settings file: a name of
// the colour table ("clBlack", "clWindowText"...) or "$" and eight hex
// digits of the 32-bit value, whose low three bytes are red, green and blue
// from the lowest byte up (so $000000FF is red). Values from 0xFF000000 up
// name system colours.
namespace colortext {

using ColorValue = std::uint32_t;

constexpr ColorValue kBlack = 0x000000;
constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kBlue = 0xFF0000;

// Reads a colour text; names match without regard to case; "$" and hex
// digits, or a decimal number, give the value. Answers false for anything else.
bool fromText(const QString& text, ColorValue& value);
// The name when one fits, else "$" and eight hex digits.
QString toText(ColorValue value);
// The colour to draw with (system colours from the palette).
QColor toColor(ColorValue value);
ColorValue fromColor(const QColor& color);

} // namespace colortext
