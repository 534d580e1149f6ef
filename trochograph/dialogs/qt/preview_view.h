// The preview beside a curve dialog: the picture its values would draw, drawn in slices of
// a few milliseconds between events, greyed with the reason underneath while the values
// are ones OK would refuse. It takes no keyboard focus.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "dialogs/curve_preview.h"

class QLabel;

namespace trochograph {

class PreviewView : public QWidget {
    Q_OBJECT
public:
    PreviewView(CurvePreview& preview, QWidget* parent);

    // Looks at the form's values now; a new picture is drawn from the next turn of events.
    void follow(const CurveForm& form);
    // Draws the picture under way to its end at once (for tests and for a dialog closing).
    void finish();

    const QImage& shown() const { return image_; }
    QString reason() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawSlice();
    void showPicture();

    CurvePreview& preview_;
    QTimer slices_;
    QImage image_;
    QLabel* reason_;
    int side_;
    int shownCount_ = 0;
};

}  // namespace trochograph
