#pragma once
// Colours as the pattern stores them: 0x00BBGGRR for a direct colour, or
// 0x80000000 plus an index for one of the classic system colours.

#include <QColor>
#include <QtGlobal>

using TColor = quint32;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clTeal = 0x00808000;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clMedGray = 0x00A4A0A0;

constexpr TColor SystemColorFlag = 0x80000000;
constexpr TColor clWindow = SystemColorFlag + 5;
constexpr TColor clWindowText = SystemColorFlag + 8;
constexpr TColor clBtnFace = SystemColorFlag + 15;
constexpr TColor clBtnShadow = SystemColorFlag + 16;
constexpr TColor clGrayText = SystemColorFlag + 17;
constexpr TColor clBtnHighlight = SystemColorFlag + 20;

// System colours come from one fixed table, never from the desktop theme,
// so that exports look the same on every machine.
QColor ColorToQColor(TColor color);
TColor ColorFromQColor(const QColor &color);
