// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/writealong/animationview.h"

#include "core/log.h"

#include <QMovie>
#include <QSet>

namespace lxp {

AnimationView::AnimationView(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void AnimationView::play(const QString& path)
{
    stop();
    if (path.isEmpty())
        return;
    auto* movie = new QMovie(path, QByteArray(), this);
    if (!movie->isValid()) {
        delete movie;
        static QSet<QString> told;
        if (!told.contains(path)) {
            told.insert(path);
            qCWarning(lxpLog).noquote()
                << "The animation" << path << "cannot be played; its frame stays empty.";
        }
        return;
    }
    m_movie = movie;
    setMovie(movie);
    // The first frame at once; the frames after it only while the view shows.
    movie->start();
    if (!isVisible())
        movie->setPaused(true);
}

void AnimationView::stop()
{
    clear();
    if (m_movie) {
        m_movie->stop();
        delete m_movie.data();
    }
}

void AnimationView::showEvent(QShowEvent* event)
{
    if (m_movie && m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
    QLabel::showEvent(event);
}

void AnimationView::hideEvent(QHideEvent* event)
{
    if (m_movie && m_movie->state() == QMovie::Running)
        m_movie->setPaused(true);
    QLabel::hideEvent(event);
}

} // namespace lxp
