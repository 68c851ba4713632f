// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>

class QMovie;

namespace lxp {

// One animated picture file shown in a label, from its first frame, looping as the file
// says. A new file stops the old animation; a file that cannot be read leaves the view
// empty. The animation runs only while the view is visible: hiding the view (or the
// window that holds it) pauses it, showing it again goes on from the frame it had.
class AnimationView : public QLabel {
    Q_OBJECT
public:
    explicit AnimationView(QWidget* parent = nullptr);

    // Shows the animation of the file at `path`; an empty path empties the view.
    void play(const QString& path);
    // Stops the animation and empties the view.
    void stop();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QMovie> m_movie;
};

} // namespace lxp
