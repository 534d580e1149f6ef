// A widget that shows a surface and follows it by itself: whatever draws into the surface,
// the change reaches the screen within one turn of the event loop. The surface's recorder
// asks for one repaint when something is first drawn after the last showing; the repaint
// then covers just the runs drawn. Drawing that waits until it is shown (the circles'
// frame) is done just before the surface is shown, and only then.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

#include "common/span_recorder.h"
#include "common/surface.h"

namespace trochograph {

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // What the widget shows, from its top-left corner.
    Surface& surface() { return surface_; }
    // Surface pixels to each of the widget's units: 1, or the screen's device pixel ratio
    // for a surface drawn at device pixels.
    void setPixelRatio(double ratio) { pixelRatio_ = ratio; }
    // What the widget shows where it reaches beyond the surface.
    void setBeyond(const QColor& colour) { beyond_ = colour; }
    // Shows everything drawn so far at once rather than at the next turn of events.
    void showNow();

    // Called just before the surface is shown, for drawing that waits until then.
    std::function<void()> beforeShowing;
    // Puts `area` of the surface back as it should be; called before a part of the widget
    // that the window system, not the drawing, asks for is painted.
    std::function<void(const Rect& area)> onExposed;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A surface looks the same with the keyboard or without. QWidget would repaint all of
    // it whenever the keyboard comes or goes (a box opening over the window takes it), and
    // a repaint the drawing didn't ask for is taken for one the window system asked for.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    // Something was drawn since the last showing: one repaint is asked for.
    void drawn();
    // Brings what was drawn into the picture painted from and asks for its repaint, except
    // where `painting` is painted anyway.
    void takeChanges(const QRegion& painting = {});
    QRegion widgetArea(const Rect& area) const;
    Rect surfaceArea(const QRect& area) const;

    Surface surface_;
    SpanRecorder changes_;
    QImage shown_;      // the surface as it was last shown
    QRegion asked_;     // repaints asked for and not yet done
    double pixelRatio_ = 1.0;
    QColor beyond_ = Qt::black;
    bool queued_ = false;  // a look at the changes is due at the next turn of events
};

}  // namespace trochograph
