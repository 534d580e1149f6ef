// A modal dialog built from a form's layout: its controls placed in dialog units of its
// own font, showing what the form holds, telling the form what the user types and
// clicks, and ending when a button of the form says so.
#pragma once

#include <QDialog>
#include <map>
#include <utility>
#include <vector>

#include "dialogs/form.h"

class QPushButton;

namespace trochograph {

class CurvePreview;
class CurveForm;
class PreviewView;

class FormDialog : public QDialog {
    Q_OBJECT
public:
    // With a preview, a curve form shows beside its controls what its values would draw.
    FormDialog(Form& form, QWidget* owner, CurvePreview* preview = nullptr);

    // The preview beside the controls, or null.
    PreviewView* preview() const { return preview_; }

protected:
    // The keyboard's cancel key and the close box press button 2.
    void reject() override;
    void paintEvent(QPaintEvent* event) override;
    // The arrow keys on a radio button choose its neighbour in the group.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(CurvePreview* preview);
    // Qt draws a group's title above the frame line, where the layouts expect it across
    // the line: where the style's title and line would reach a group's first row, that
    // row and all below it move down, `gap` clear of the line.
    void clearGroupTitles(int gap);
    // Prose that needs more lines in this font than its place holds pushes the push
    // buttons down, `gap` below its end.
    void keepButtonsBelowProse(int gap);
    // Shows as much of a `content`-sized page as fits in `room` above its buttons, which
    // stay in sight `gap` below it, and scrolls the rest up and down; the page is fitted
    // to the width left beside its scroll bar.
    void scrollPage(const QSize& content, const QSize& room, int gap);
    QWidget* makeControl(const ControlTemplate& control, int index);
    void press(int id);
    // A click on a radio button or check box, from the mouse or the keyboard.
    void clickControl(int id);
    // Shows the form's ticks and enabled states; texts are the user's once shown. Tab
    // enters a group of radio buttons at its ticked one.
    void refreshStates();
    // The radio button `step` places (1 or -1) from `id` in its group, past disabled ones
    // and round its ends; `id` itself when none other is enabled.
    int radioNeighbour(int id, int step) const;
    // Tells the preview and the colour swatches that the values may have changed.
    void valuesChanged();
    // A swatch beside the frame of each colour's three boxes (`gap` from it, `width`
    // wide), showing the colour and opening the colour dialog, whose choice it types into
    // the boxes.
    void addColorChoosers(int gap, int width);
    void chooseColor(const ColorFields& fields);
    void showSwatches();

    Form& form_;
    const CurveForm* curveForm_ = nullptr;
    PreviewView* preview_ = nullptr;
    std::vector<std::pair<QPushButton*, ColorFields>> swatches_;
    std::map<int, QWidget*> controls_;
};

}  // namespace trochograph
