#pragma once

#include <QtGlobal>

#include <algorithm>

// Pixel arithmetic is done on 64 bits and held within ±2^30 before it goes back into a
// 32-bit field: anything that far lies outside every picture, and a sum of two held
// values still fits.
constexpr qint64 LimitePixel = qint64(1) << 30;

constexpr qint32 BornerPixel(qint64 v)
{
    return qint32(std::clamp(v, -LimitePixel, LimitePixel));
}
