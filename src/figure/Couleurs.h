#pragma once

#include <QtGlobal>

#include <array>

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

// Fixed colours of the grid pictures. Black is reserved for outlines: painted areas stop
// at black and nothing else.
constexpr quint32 CouleurBlanc = 0x00FFFFFF;
constexpr quint32 CouleurGrisQuadrillage = 0x00808080;
constexpr quint32 CouleurRougeAxe = 0x000000FF;
constexpr quint32 CouleurNoir = 0x00000000;

// The ten drawing colours offered by the colour buttons, in the order of their buttons
// (BoutonBleu first).
constexpr quint32 CouleurBleu = 0x00FF0000;
constexpr quint32 CouleurBleuClair = 0x00FFFF00;
constexpr quint32 CouleurRose = 0x00FF00FF;
constexpr quint32 CouleurRouge = 0x000000FF;
constexpr quint32 CouleurMarron = 0x00000080;
constexpr quint32 CouleurJaune = 0x0000FFFF;
constexpr quint32 CouleurVert = 0x0000FF00;
constexpr quint32 CouleurVertFonce = 0x00008000;
constexpr quint32 CouleurGrisFonce = 0x00808080;
constexpr quint32 CouleurGris = 0x00C0C0C0;

constexpr std::array<quint32, 10> CouleursDessin = {
    CouleurBleu, CouleurBleuClair, CouleurRose,      CouleurRouge,     CouleurMarron,
    CouleurJaune, CouleurVert,     CouleurVertFonce, CouleurGrisFonce, CouleurGris};

// The colour new painted areas get after a figure is cleared or loaded.
constexpr quint32 CouleurParDefaut = CouleurBleu;
