#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QSize>

#include <functional>

// A button drawn from one picture, darker while pressed and ringed while it
// has the keyboard focus. The picture is drawn by code for the pixel ratio
// it is shown at, so the button stays crisp at any size.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // Draws the picture for a pixel ratio (the button's scale times the
    // screen's device pixel ratio).
    using Source = std::function<QPixmap(qreal ratio)>;

    PictureButton(Source source, QSize logicalSize, QWidget* parent);
    QSize sizeHint() const override;
    QSize logicalSize() const { return m_logicalSize; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Source m_source;
    QSize m_logicalSize;
};
