// What the main window shows on the screen, read back from the window system: after any
// command in any state where it may run, once the queued events are handled, the client
// area shows the canvas (grey beyond it) and shows the command's drawing; a dialog's
// preview shows its new picture.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "dialogs/qt/preview_view.h"
#include "files/rlt_file.h"
#include "qt_modal.h"
#include "qt_program.h"
#include "qt_screen.h"
#include "qt_settings.h"
#include "scratch_dir.h"

using namespace trochograph;
using namespace trochograph::test;

namespace {

enum class Start { intro, paused, pausedWithCircles, finished };

struct Command {
    const char* name;
    Start start;
    std::function<void(Program&, const std::filesystem::path& folder)> run;
    bool draws;               // the screen shows something else afterwards
    bool canvasOnly = true;   // the client area shows the canvas alone (no circles' frame)
};

// The pixel the client area shows at (x, y): the canvas at 1:1, grey beyond it.
QRgb expectedPixel(const Engine& engine, int x, int y)
{
    const Surface& canvas = engine.canvas();
    return qtColor(x < canvas.width() && y < canvas.height() ? canvas.pixel(x, y) : canvasGrey);
}

// Keys reach the accelerators only while the window is active, which a closed dialog
// leaves it only later.
void key(Program& p, Qt::Key k)
{
    QVERIFY(p.activate());
    QTest::keyClick(&p.window(), k);
}

void typeInto(QWidget* dialog, const char* field, const char* text)
{
    auto* edit = dialog->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

ModalScript::Step chooseFile(const std::filesystem::path& path)
{
    return [name = QString::fromStdString(path.string())](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(edit);
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

ModalScript::Step answer(QMessageBox::StandardButton button)
{
    return [button](QWidget* box) { static_cast<QMessageBox*>(box)->done(button); };
}

// M with a palette of red rising and blue falling: while the question is open, the screen
// shows the palette's preview over the top-left corner of the client area.
void mapPalette(Program& p, const std::filesystem::path& folder, QMessageBox::StandardButton reply)
{
    ModalScript script({chooseFile(folder / "ramp.map"), [&p, reply](QWidget* box) {
                            handleQueuedEvents();
                            const QImage shown = onScreen(p.window().view());
                            QCOMPARE(shown.pixel(20 + 128, 50), qRgb(128, 0, 127));
                            static_cast<QMessageBox*>(box)->done(reply);
                        }});
    key(p, Qt::Key_M);
    QCOMPARE(script.seen, (QStringList{"QFileDialog", "Accept palette?"}));
    // No brings the file dialog again, which is cancelled.
    if (reply == QMessageBox::No) QVERIFY(p.runUntil([&] { return script.seen.size() == 3 && !QApplication::activeModalWidget(); }));
}

const Command commands[] = {
    {"F11 on a paused curve", Start::paused, [](Program& p, auto&) { key(p, Qt::Key_F11); }, true},
    {"F11 on a finished curve", Start::finished, [](Program& p, auto&) { key(p, Qt::Key_F11); }, true},
    {"F8 on a paused curve", Start::paused, [](Program& p, auto&) { key(p, Qt::Key_F8); }, true},
    {"F8 off on a paused curve", Start::pausedWithCircles, [](Program& p, auto&) { key(p, Qt::Key_F8); }, false,
     false},
    {"F10: its note, then a clear screen", Start::finished,
     [](Program& p, auto&) {
         ModalScript note({answer(QMessageBox::Ok)});
         key(p, Qt::Key_F10);
         QCOMPARE(note.seen, QStringList{"Default palette restored"});
     },
     true},
    {"C on a paused curve", Start::paused,
     [](Program& p, auto&) {
         ModalScript note({answer(QMessageBox::Ok)});
         key(p, Qt::Key_C);
         QCOMPARE(note.seen.size(), 1);
     },
     false},
    {"R, then a pause: the curve goes on", Start::paused,
     [](Program& p, auto&) {
         const double theta = p.state().progress.theta;
         key(p, Qt::Key_R);
         QVERIFY(p.runUntil([&] { return p.state().progress.theta > theta + 0.5; }));
         QTest::keyClick(&p.window(), Qt::Key_Pause);
     },
     true},
    {"F7 with a new resolution", Start::paused,
     [](Program& p, auto&) {
         ModalScript script({[](QWidget* d) {
             typeInto(d, "edit510", "320");
             click(d, "button1");
         }});
         key(p, Qt::Key_F7);
         QCOMPARE(p.window().engine().canvas().width(), 320);
     },
     true},
    {"F9 with a new background, then R", Start::paused,
     [](Program& p, auto&) {
         ModalScript script({[](QWidget* d) {
             typeInto(d, "edit635", "255");
             click(d, "button1");
         }});
         key(p, Qt::Key_F9);
         QCOMPARE(script.seen, QStringList{"dialog600"});
         QCOMPARE(p.state().params.back, Colorref{0x00FF0000});
         key(p, Qt::Key_R);
         QVERIFY(p.runUntil([&] { return p.window().controller().idle(); }));
         QCOMPARE(p.window().engine().canvas().pixel(0, 0), Colorref{0x00FF0000});
     },
     true},
    {"L", Start::paused,
     [](Program& p, const std::filesystem::path& folder) {
         ModalScript script({chooseFile(folder / "curve.rlt"), answer(QMessageBox::Ok)});
         key(p, Qt::Key_L);
         QCOMPARE(script.seen.size(), 2);
     },
     false},
    {"M answered Yes", Start::paused,
     [](Program& p, const std::filesystem::path& folder) { mapPalette(p, folder, QMessageBox::Yes); }, false},
    {"M answered No", Start::paused,
     [](Program& p, const std::filesystem::path& folder) { mapPalette(p, folder, QMessageBox::No); }, false},
    {"a resize", Start::paused,
     [](Program& p, auto&) { p.window().resize(p.window().width() - 200, p.window().height() - 150); }, true},
    {"a click on the intro", Start::intro, [](Program& p, auto&) { p.stopIntro(); }, true},
};

// The window in the state a command starts from.
void bringTo(Program& p, Start start)
{
    p.state().params.speed = start == Start::finished ? 0 : 1;
    if (start == Start::intro) return;
    p.stopIntro();
    if (start == Start::pausedWithCircles) key(p, Qt::Key_F8);
    key(p, Qt::Key_R);
    if (start == Start::finished) {
        QVERIFY(p.runUntil([&] { return p.window().controller().idle(); }));
        return;
    }
    QVERIFY(p.runUntil([&] { return p.state().progress.theta > 1.0; }));
    QTest::keyClick(&p.window(), Qt::Key_Pause);
}

}  // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void commandsShowOnTheScreenAtOnce_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(commands)); ++row) QTest::newRow(commands[row].name) << row;
    }
    void commandsShowOnTheScreenAtOnce()
    {
        QFETCH(int, row);
        const Command& command = commands[row];
        ScratchDir folder;
        QVERIFY(writeRlt(CurveParameters{}, folder / "curve.rlt"));
        std::ofstream ramp(folder / "ramp.map");
        for (int i = 0; i < 256; ++i) ramp << i << " 0 " << 255 - i << "\n";
        ramp.close();

        Program p;
        QVERIFY(p.start());
        bringTo(p, command.start);
        handleQueuedEvents();
        CanvasView& view = p.window().view();
        const QImage before = onScreen(view);

        command.run(p, folder.path());
        handleQueuedEvents();
        const QImage after = onScreen(view);
        // The screen shows the window's picture...
        if (const auto wrong = firstDifference(after, view.surface())) QFAIL(qPrintable("not the window's picture: " + *wrong));
        // ... which is the canvas, grey beyond it ...
        const Engine& engine = p.window().engine();
        if (command.canvasOnly)
            if (const auto wrong = firstDifference(after, [&](int x, int y) { return expectedPixel(engine, x, y); }))
                QFAIL(qPrintable("not the canvas: " + *wrong));
        // ... and the command's drawing, if any.
        QCOMPARE(after != before, command.draws);
    }

    // A preview beside a dialog shows the picture of the values typed, once it is drawn.
    void aDialogsPreviewShowsItsNewPicture()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        QImage before, after, drawn;
        ModalScript script({[&](QWidget* dialog) {
            auto* preview = dialog->findChild<PreviewView*>("preview");
            QVERIFY(preview);
            preview->finish();
            handleQueuedEvents();
            before = onScreen(*preview).copy(0, 0, preview->width(), preview->width());
            typeInto(dialog, "edit520", "10");
            QTest::qWait(0);
            preview->finish();
            handleQueuedEvents();
            after = onScreen(*preview).copy(0, 0, preview->width(), preview->width());
            drawn = preview->shown();
            click(dialog, "button2");
        }});
        key(p, Qt::Key_F7);
        QVERIFY(script.done());
        QVERIFY(before != after);
        QCOMPARE(after, drawn.convertToFormat(QImage::Format_ARGB32));
    }
};

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const ScratchSettings settings;
    ScreenTest test;
    return runQtTests(test, argc, argv);
}

#include "screen_follows_qtest.moc"
