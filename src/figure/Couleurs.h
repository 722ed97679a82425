#pragma once

#include <QtGlobal>

// Colours are kept as 0x00BBGGRR values (the stored files hold them so) and converted
// only when a pixel is written or read.
constexpr quint32 VersQRgb(quint32 couleurBGR)
{
    const quint32 rouge = couleurBGR & 0xFF;
    const quint32 vert = (couleurBGR >> 8) & 0xFF;
    const quint32 bleu = (couleurBGR >> 16) & 0xFF;
    return 0xFF000000u | (rouge << 16) | (vert << 8) | bleu;
}

constexpr quint32 DepuisQRgb(quint32 rgb)
{
    const quint32 rouge = (rgb >> 16) & 0xFF;
    const quint32 vert = (rgb >> 8) & 0xFF;
    const quint32 bleu = rgb & 0xFF;
    return (bleu << 16) | (vert << 8) | rouge;
}
