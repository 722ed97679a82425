#include "GesteDessin.h"

#include "ApercuTrace.h"
#include "Dessin.h"
#include "SurfaceDessin.h"

GesteDessin::GesteDessin(SurfaceDessin* surface, PlancheDessin& planche)
    : QObject(surface)
    , surface_(surface)
    , planche_(planche)
    , apercu_(new ApercuTrace(surface))
{
    apercu_->setObjectName(QStringLiteral("PaintBox4"));
    connect(surface, &SurfaceDessin::appui, this, &GesteDessin::appuyer);
    connect(surface, &SurfaceDessin::deplacement, this, &GesteDessin::deplacer);
    connect(surface, &SurfaceDessin::relachement, this, &GesteDessin::relacher);
    connect(surface, &SurfaceDessin::abandon, this, &GesteDessin::abandonner);
}

void GesteDessin::appuyer(QPoint point)
{
    emit appui();
    const quint32 sousPointeur = CouleurPixel(surface_->image(), point.x(), point.y());
    if (const auto coloriage = planche_.appuyer(point, sousPointeur))
        emit elementDessine(*coloriage);
    if (planche_.traceEnCours())
        apercu_->commencer();
}

void GesteDessin::deplacer(QPoint point)
{
    planche_.deplacer(point);
    if (!planche_.traceEnCours())
        return;
    const Genre outil = GenreDe(planche_.outil());
    if (const auto cadre = CadrerApercu(outil, planche_.depart(), planche_.pointeur()))
        apercu_->montrer(outil, *cadre);
}

void GesteDessin::relacher(QPoint point)
{
    if (!planche_.traceEnCours())
        return;
    apercu_->cacher();
    if (const auto element = planche_.relacher(point))
        emit elementDessine(*element);
}

void GesteDessin::abandonner()
{
    planche_.abandonnerTrace();
    apercu_->cacher();
}
