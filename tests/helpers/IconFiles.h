#pragma once

#include <QColor>
#include <QtGlobal>
#include <string>

// The bytes of a PNG image of side by side pixels in one colour.
std::string png(int side, QColor colour);

// An icns block: its four-character type, its length with the header (or the
// length it claims, when one is given), its data.
std::string block(const char* type, const std::string& data, quint32 claimedLength = 0);
